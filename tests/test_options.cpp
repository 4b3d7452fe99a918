// The options dialog: its controls, how it fills, and what "ＯＫ", "更新" and
// "Cancel" do to the running program and to english.ini.
#include "TestSupport.h"
#include "ui/Options.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

class TestOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> p;

    Options& open(const QStringList& settings)
    {
        p = std::make_unique<Program>();
        if (!settings.isEmpty())
            p->writeIni(settings);
        frmMain& w = p->start();
        w.Ui().FileSetting->trigger();
        return *w.OptionsWindow();
    }
    frmMain& main() { return *p->window; }

private slots:
    void initTestCase() { PrepareApplication(); }
    void cleanup() { p.reset(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, QRect r, const char* caption) {
            QTest::newRow(name) << QString(name) << r << QString(caption);
        };
        row("Frame1", {240, 240, 2655, 1575}, "メッセージの有無");
        row("Check1_0", {480, 480, 2295, 495}, "正解時のメッセージ");
        row("Check1_1", {480, 840, 2055, 495}, "不正解時のメッセージ");
        row("Check1_2", {480, 1320, 2055, 375}, "Ｇｉｖｅｕｐ時のメッセージ");
        row("Frame3", {240, 1920, 2655, 1575}, "動作モード");
        row("Option1", {480, 2160, 2175, 495}, "単語ボタンを表示");
        row("Option2", {480, 2520, 2175, 495}, "葉書メソッド（和英）");
        row("Option3", {480, 3000, 2175, 375}, "葉書メソッド（英和）");
        row("Frame4", {240, 3600, 2655, 1935}, "問題の表示方法");
        row("Option4", {480, 3840, 2295, 495}, "全ての問題を表示");
        row("Option5", {480, 4200, 2295, 495}, "正解した問題を非表示");
        row("Option6", {480, 4560, 2295, 495}, "間違えた問題だけを表示");
        row("ButtonClearHistory", {480, 5040, 2175, 375}, "履歴のクリア");
        row("Label1", {3120, 240, 4935, 255}, "ファイルの選択");
        row("ButtonFquest", {3120, 600, 1095, 375}, "問題");
        row("Text1", {4320, 600, 3735, 375}, "");
        row("ButtonFseikai", {3120, 1080, 1095, 375}, "正解");
        row("Text2", {4320, 1080, 3735, 375}, "");
        row("ButtonFzannen", {3120, 1560, 1095, 375}, "誤答");
        row("Text3", {4320, 1560, 3735, 375}, "");
        row("ButtonFgiveup", {3120, 2040, 1095, 375}, "Ｇｉｖｅｕｐ");
        row("Text4", {4320, 2040, 3735, 375}, "");
        row("Label2", {3120, 2520, 4935, 255}, "フォントの選択");
        row("BTFontWABUN", {3120, 2880, 1095, 375}, "和文");
        row("Text8", {4320, 2880, 615, 375}, "");
        row("Text5", {4920, 2880, 3135, 375}, "");
        row("BTFontEnglish", {3120, 3360, 1095, 375}, "英文");
        row("Text9", {4320, 3360, 615, 375}, "");
        row("Text6", {4920, 3360, 3135, 375}, "");
        row("BTFontComment", {3120, 3840, 1095, 375}, "コメント");
        row("Text10", {4320, 3840, 615, 375}, "");
        row("Text7", {4920, 3840, 3135, 375}, "");
        row("ButtonOK", {3120, 5040, 1215, 495}, "ＯＫ");
        row("ButtonCancel", {4440, 5040, 2175, 495}, "Cancel");
        row("ButtonChange", {6720, 5040, 1215, 495}, "更新");
        row("Frame2", {1560, 6000, 2655, 1215}, "カウント");
        row("Check2", {1800, 6240, 2175, 495}, "問題数の表示");
        row("Check3", {1800, 6600, 1695, 495}, "問題数の指定");
    }
    // Every control in its place in the dialog's coordinates, children of a
    // frame included.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        Options& d = open({});
        auto* c = d.findChild<QWidget*>(name);
        QVERIFY(c);
        const QRect inDialog(c->mapTo(&d, QPoint(0, 0)), c->size());
        QCOMPARE(inDialog, TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(c))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(c))
            text = g->title();
        else if (auto* l = qobject_cast<QLabel*>(c))
            text = l->text();
        QCOMPARE(text, caption);
        if (auto* b = qobject_cast<QPushButton*>(c))
            QVERIFY(!b->isDefault() && !b->autoDefault());
    }

    void dialogShape()
    {
        Options& d = open({});
        QCOMPARE(d.windowTitle(), QString("オプション設定"));
        QCOMPARE(d.size(), QSize(TwipsToPixels(8145), TwipsToPixels(5700)));
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
        QCOMPARE(d.Option4->parentWidget(), d.Frame4);
        QCOMPARE(d.Option1->parentWidget(), &d);
        QCOMPARE(d.Check1[1]->parentWidget(), d.Frame1);
        QCOMPARE(d.Check1[0]->parentWidget(), &d);
        QVERIFY(d.Frame2->geometry().top() >= d.height()); // out of sight
        QVERIFY(d.Text8->alignment() & Qt::AlignRight);
        // Tab order by the dialog's numbering: Check1(0) first, then on.
        QStringList order;
        QWidget* at = d.Check1[0];
        for (int i = 0; i < 8; ++i) {
            order << at->objectName();
            do
                at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(order, (QStringList{"Check1_0", "Check1_1", "Check1_2", "Check2", "Text1", "Text2",
                                     "Text3", "Text4"}));
    }

    // Enter and Escape click no button.
    void noDefaultOrCancelButton()
    {
        Options& d = open({});
        QPointer<Options> alive = &d;
        QTest::keyClick(d.Text1, Qt::Key_Return);
        QTest::keyClick(d.Text1, Qt::Key_Escape);
        QVERIFY(alive);
        QVERIFY(d.isVisible());
    }

    void filling()
    {
        QStringList s = SettingsFor("/q/a.txt", 2, 1, {"/m/c.txt", "/m/w.txt", "/m/g.txt"});
        s[0] = " 1 ";
        s[3] = " 1 ";
        s[4] = " 1 ";
        s[9] = "Noto Sans CJK JP";
        s[10] = "10.5";
        s[14] = "14.25";
        Options& d = open(s);
        QVERIFY(d.Check1[0]->isChecked());
        QVERIFY(!d.Check1[1]->isChecked());
        QVERIFY(d.Check2->isChecked());
        QVERIFY(d.Check3->isChecked());
        QCOMPARE(d.Text1->text(), QString("/q/a.txt"));
        QCOMPARE(d.Text3->text(), QString("/m/w.txt"));
        QCOMPARE(d.Text5->text(), QString("Noto Sans CJK JP"));
        QCOMPARE(d.Text8->text(), QString("10.5"));
        QCOMPARE(d.Text10->text(), QString("14.25"));
        QVERIFY(d.Option3->isChecked());
        QVERIFY(d.Option5->isChecked());
    }

    void unknownModeKeptByOk()
    {
        Options& d = open(SettingsFor("abc", 3, 7));
        for (QRadioButton* o : {d.Option1, d.Option2, d.Option3, d.Option4, d.Option5, d.Option6})
            QVERIFY(!o->isChecked());
        QTest::mouseClick(d.ButtonOK, Qt::LeftButton);
        QCOMPARE(int(p->m().Settings.OperationMode), 3);
        QCOMPARE(int(p->m().Settings.DisplayMode), 7);
        QTRY_VERIFY(!main().OptionsWindow());
    }

    void groupsAreIndependent()
    {
        Options& d = open(SettingsFor("abc", 0, 0));
        d.Option2->click();
        QVERIFY(d.Option4->isChecked());
        d.Option5->click();
        QVERIFY(d.Option2->isChecked());
        QVERIFY(!d.Option1->isChecked());
        QVERIFY(!d.Option4->isChecked());
    }

    void fileButtons()
    {
        Options& d = open({});
        p->dialogs.files.push_back("/chosen/correct.txt");
        QTest::mouseClick(d.ButtonFseikai, Qt::LeftButton);
        QCOMPARE(d.Text2->text(), QString("/chosen/correct.txt"));
        d.Text3->setText("typed");
        QTest::mouseClick(d.ButtonFzannen, Qt::LeftButton); // cancelled
        QCOMPARE(d.Text3->text(), QString("typed"));
        QCOMPARE(p->dialogs.asked.last(), QString("開く|すべてのﾌｧｲﾙ (*)"));
        QCOMPARE(p->m().Settings.CorrectMessageFile, QString()); // only the box changed
    }

    void fontButtons()
    {
        QStringList s = SettingsFor("abc");
        s[11] = "DejaVu Serif";
        Options& d = open(s);
        d.Text6->setText("typed face");
        QFont chosen("Noto Sans CJK JP");
        chosen.setPointSizeF(10.5);
        p->dialogs.fonts.push_back(chosen);
        QTest::mouseClick(d.BTFontEnglish, Qt::LeftButton);
        QCOMPARE(p->dialogs.lastFontPreset.family(), QString("DejaVu Serif")); // from the settings
        QCOMPARE(d.Text6->text(), QString("Noto Sans CJK JP"));
        QCOMPARE(d.Text9->text(), QString("10.5"));
        chosen.setPointSizeF(12);
        p->dialogs.fonts.push_back(chosen);
        QTest::mouseClick(d.BTFontComment, Qt::LeftButton);
        QCOMPARE(d.Text10->text(), QString("12"));
        // Cancelled: both boxes stay as they were.
        d.Text8->setText("9");
        QTest::mouseClick(d.BTFontWABUN, Qt::LeftButton);
        QCOMPARE(d.Text8->text(), QString("9"));
        QCOMPARE(d.Text5->text(), QString());
        QCOMPARE(FormatPointSize(14.25), QString("14.25"));
    }

    void clearHistoryPrompt()
    {
        Options& d = open(SettingsFor(""));
        QTest::mouseClick(d.ButtonClearHistory, Qt::LeftButton);
        QCOMPARE(p->dialogs.asked.last(), QString("Quillmere|問題：の履歴を削除しますか？"));
        QVERIFY(d.isVisible());
    }

    void clearHistoryConfirmed()
    {
        p = std::make_unique<Program>();
        const QString q = p->writeQuestions("q.txt", {"a\tb"});
        const QStringList history{"History (", "0: " + q,        "1: 1",
                                  "2: 3",      "3: 1 1 3 0 5 1", ")History"};
        p->writeIni(SettingsFor(q) + history);
        frmMain& w = p->start();
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 5);
        w.Ui().FileSetting->trigger();
        p->dialogs.confirms.push_back(false);
        QTest::mouseClick(w.OptionsWindow()->ButtonClearHistory, Qt::LeftButton);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 5);
        p->dialogs.confirms.push_back(true);
        QTest::mouseClick(w.OptionsWindow()->ButtonClearHistory, Qt::LeftButton);
        QCOMPARE(p->dialogs.asked.last(), "Quillmere|問題：" + q + "の履歴を削除しますか？");
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 0);
        QCOMPARE(ReadBytes(p->ini()), CrLf(SettingsFor(q)));
    }

    // The counters of the file that was loaded go under its own name; the new
    // file's stored history is left alone and restored.
    void okWithAnotherQuestionFile()
    {
        p = std::make_unique<Program>();
        const QString a = p->writeQuestions("a.txt", {"Aa.\tあ"});
        const QString b = p->writeQuestions("b.txt", {"Bb.\tび"});
        const QStringList bHistory{"History (", "0: " + b,        "1: 1",
                                   "2: 5",      "3: 1 1 5 0 7 0", ")History"};
        p->writeIni(SettingsFor(a) + bHistory);
        frmMain& w = p->start();
        p->m().QuestionTable[1].WrongCount = 2;
        w.Ui().FileSetting->trigger();
        w.OptionsWindow()->Text1->setText(b);
        QTest::mouseClick(w.OptionsWindow()->ButtonOK, Qt::LeftButton);
        QCOMPARE(p->m().Settings.QuestionFile, b);
        QCOMPARE(p->m().QuestionTable[1].CorrectCount, 7);
        QCOMPARE(w.Ui().Quest->text(), QString("び"));
        const QByteArray ini = ReadBytes(p->ini());
        QVERIFY(ini.contains(CrLf(bHistory)));
        QVERIFY(ini.contains(CrLf({"0: " + a, "1: 1", "2: 5", "3: 1 1 5 0 0 2"})));
        QVERIFY(ini.startsWith(CrLf(SettingsFor(a)))); // "ＯＫ" writes no settings
    }

    // "ＯＫ" lasts for the run; "更新" is there at the next start too. The hidden
    // check boxes keep their values through both.
    void okVersusChange_data()
    {
        QTest::addColumn<bool>("change");
        QTest::newRow("ＯＫ") << false;
        QTest::newRow("更新") << true;
    }
    void okVersusChange()
    {
        QFETCH(bool, change);
        QStringList s = SettingsFor("abc", 0, 0);
        s[3] = " 1 ";
        s[4] = " 1 ";
        Options& d = open(s);
        d.Option3->click();
        d.Option6->click();
        d.Check1[2]->setChecked(true);
        d.Text9->setText("20");
        QTest::mouseClick(change ? d.ButtonChange : d.ButtonOK, Qt::LeftButton);
        QCOMPARE(int(p->m().Settings.OperationMode), 2);
        QCOMPARE(p->m().Settings.ShowQuestionCount, 1);
        QCOMPARE(p->m().Settings.LimitQuestionCount, 1);
        QCOMPARE(main().Ui().Anser->font().pointSizeF(), 20.0);
        QVERIFY(main().Ui().BStart->isVisibleTo(&main()));

        p->start();
        QCOMPARE(int(p->m().Settings.OperationMode), change ? 2 : 0);
        QCOMPARE(int(p->m().Settings.DisplayMode), change ? 2 : 0);
        QCOMPARE(p->m().Settings.ShowGiveupMessage, change ? 1 : 0);
        QCOMPARE(p->m().Settings.EnglishFontSize, change ? QString("20") : QString());
        QCOMPARE(p->m().Settings.ShowQuestionCount, 1);
        QCOMPARE(p->m().Settings.LimitQuestionCount, 1);
    }

    void cancelAndFrameCloseDiscard_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::newRow("Cancel") << false;
        QTest::newRow("frame") << true;
    }
    void cancelAndFrameCloseDiscard()
    {
        QFETCH(bool, frame);
        Options& d = open(SettingsFor("abc"));
        const QByteArray before = ReadBytes(p->ini());
        d.Option2->click();
        d.Text1->setText("/other.txt");
        if (frame)
            d.close();
        else
            QTest::mouseClick(d.ButtonCancel, Qt::LeftButton);
        QTRY_VERIFY(!main().OptionsWindow());
        QCOMPARE(int(p->m().Settings.OperationMode), 0);
        QCOMPARE(p->m().Settings.QuestionFile, QString("abc"));
        QCOMPARE(ReadBytes(p->ini()), before);
    }

    void secondOpeningKeepsWhatWasTyped()
    {
        Options& d = open(SettingsFor("abc"));
        d.Text4->setText("typed");
        main().Ui().FileSetting->trigger();
        QCOMPARE(main().OptionsWindow(), &d);
        QCOMPARE(d.Text4->text(), QString("typed"));
    }

    // The first run without english.ini, set up through the dialog.
    void firstRunSetUpThroughTheDialog()
    {
        p = std::make_unique<Program>();
        const QString q =
            p->writeQuestions("q.txt", {"I am fine.\t私は元気です。", "Good.\tよい。"});
        frmMain& w = p->start();
        QCOMPARE(p->m().Ini.Count(), -1);
        w.Ui().FileSetting->trigger();
        Options& d = *w.OptionsWindow();
        p->dialogs.files.push_back(q);
        QTest::mouseClick(d.ButtonFquest, Qt::LeftButton);
        d.Check1[0]->setChecked(true);
        d.Option1->click();
        d.Option4->click();
        QTest::mouseClick(d.ButtonChange, Qt::LeftButton);
        QCOMPARE(w.Ui().Quest->text(), QString("私は元気です。"));
        QCOMPARE(p->m().WordButtonCount, 4);
        const AppSettings chosen = p->m().Settings;

        p->start();
        QVERIFY(p->m().Settings == chosen);
        QCOMPARE(p->m().QuestionLineCount, 2);
        QCOMPARE(p->window->Ui().Quest->text(), QString("私は元気です。"));
    }

    // "更新" that cannot write says so, keeps the file, and applies nothing.
    void changeWithUnwritableIni()
    {
        Options& d = open(SettingsFor("abc"));
        const QByteArray before = ReadBytes(p->ini());
        d.Option2->click();
        {
            WriteBlock block(p->dir.path(), p->ini());
            QTest::mouseClick(d.ButtonChange, Qt::LeftButton);
        }
        QCOMPARE(main().Ui().LabelCHK->text(), QString("english.iniに書き込めませんでした。"));
        QCOMPARE(ReadBytes(p->ini()), before);
        QCOMPARE(int(p->m().Settings.OperationMode), 0);
        QVERIFY(main().OptionsWindow());
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
