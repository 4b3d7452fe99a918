// The main window as it is built and as it starts: every control of the layout,
// the focus order, and the load step with its messages.
#include "TestSupport.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

namespace {

QString CaptionOf(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* t = qobject_cast<QTextEdit*>(w))
        return t->toPlainText();
    return {};
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        auto row = [](const char* name, QRect r, const QString& caption, const char* face,
                      const char* text = "", double points = 0) {
            QTest::newRow(name) << QString(name) << r << caption << QString(face) << QString(text)
                                << points;
        };
        row("Quest", {975, 120, 8265, 975}, "", "#ffffc0", "#400000", 15.75);
        row("Label1", {240, 480, 735, 375}, "問題：", "#c0c0ff", "", 12);
        row("Anser", {960, 1200, 8295, 975}, "", "#ffffff", "#000040", 15.75);
        row("Label2", {240, 1440, 735, 375}, "答え：", "#c0c0ff", "", 12);
        row("LabelCHK", {960, 2400, 8295, 375}, "", "#c0c0ff", "#c04000", 18);
        row("Words_0", {240, 2400, 1815, 375}, "単語", "#c0ffff", "", 12);
        row("Label3", {960, 2880, 8295, 495}, "あなたの回答", "#c0c0ff", "", 15.75);
        row("Label4", {960, 3480, 8295, 495}, "", "#c0c0ff", "", 14.25);
        row("BStart", {120, 6480, 855, 375}, "開始", "#ffc0c0");
        row("BCheck", {1080, 6480, 855, 375}, "チェック", "#ffffc0");
        row("BNext", {2040, 6480, 855, 375}, "次", "#c0ffc0");
        row("BBack", {3000, 6480, 855, 375}, "前", "#c0ffc0");
        row("BClear", {3960, 6480, 855, 375}, "クリア", "#c0ffc0");
        row("BGiveup", {4920, 6480, 855, 375}, "Give up", "#80ffff");
        row("Text1", {6840, 6480, 615, 375}, "", "");
        row("Text2", {7560, 6480, 615, 375}, "", "#ffff80");
        row("BExit", {8280, 6480, 975, 375}, "終了", "");
    }
    // At creation, before the load: every control in its place, visible, with its
    // caption, colours and font.
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(QString, face);
        QFETCH(QString, text);
        QFETCH(double, points);
        Program p;
        Module1 m;
        frmMain w(m, *p.store, p.dialogs);
        auto* c = w.findChild<QWidget*>(name);
        QVERIFY(c);
        QCOMPARE(c->geometry(), TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(CaptionOf(c), caption);
        QVERIFY(c->isVisibleTo(&w));
        QVERIFY(c->isEnabled());
        if (!face.isEmpty())
            QCOMPARE(FaceOf(c).name(), face);
        if (!text.isEmpty())
            QCOMPARE(c->palette()
                         .color(qobject_cast<QTextEdit*>(c) ? QPalette::Text : QPalette::WindowText)
                         .name(),
                     text);
        if (points > 0) {
            QCOMPARE(c->font().pointSizeF(), points);
            QCOMPARE(c->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        }
        QCOMPARE(c->font().bold(), name == "Words_0");
    }

    void windowAndMenu()
    {
        Program p;
        Module1 m;
        frmMain w(m, *p.store, p.dialogs);
        QCOMPARE(w.windowTitle(), QString("Quillmere"));
        QCOMPARE(w.centralWidget()->palette().color(QPalette::Window).name(), QString("#c0c0ff"));
        QCOMPARE(w.StatusText(), QString("現在の問題ファイル"));
        QCOMPARE(w.Ui().mnuFile->title(), QString("ﾌｧｲﾙ(&F)"));
        QStringList items;
        for (QAction* a : w.Ui().mnuFile->actions())
            items << a->objectName() + "=" + a->text() + "=" + a->shortcut().toString();
        QCOMPARE(items, (QStringList{"mnuFileOpen=開く(&O)...=", "Mazeru=混ぜる=",
                                     "FileSetting=オプション設定=", "mnuFileExit=終了(&X)="}));
        QVERIFY(w.Ui().Quest->wordWrap());
        QCOMPARE(w.Ui().Quest->textFormat(), Qt::PlainText);
        QVERIFY(w.Ui().Quest->alignment() & Qt::AlignHCenter);
        QCOMPARE(w.Ui().Text1->alignment() & Qt::AlignRight, Qt::AlignRight);
        QCOMPARE(w.Ui().Anser->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QCOMPARE(w.Ui().Anser->accessibleName(), QString("答え"));
        QCOMPARE(w.Ui().Text1->accessibleName(), QString("問題番号"));
        QCOMPARE(w.Ui().Text2->accessibleName(), QString("問題数"));
        QAccessibleInterface* exit = QAccessible::queryAccessibleInterface(w.Ui().BExit);
        QCOMPARE(exit->text(QAccessible::Name), QString("終了"));
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(w.Ui().Label1);
        QCOMPARE(label->text(QAccessible::Name), QString("問題："));
    }

    void focusOrder()
    {
        Program p;
        Module1 m;
        frmMain w(m, *p.store, p.dialogs);
        QStringList order;
        QWidget* at = w.Ui().Anser;
        do {
            if (at->focusPolicy() & Qt::TabFocus)
                order << at->objectName();
            at = at->nextInFocusChain();
        } while (at != w.Ui().Anser && order.size() < 30);
        order = order.filter(QRegularExpression("^(Anser|B|Text|Words)"));
        // The designed order, then the controls added to the window (読み上げ).
        QCOMPARE(order, (QStringList{"Anser", "BClear", "BCheck", "BNext", "BExit", "Words_0",
                                     "BStart", "BGiveup", "BBack", "Text1", "Text2", "BSpeak"}));
    }

    void firstRunWithoutIni()
    {
        Program p;
        frmMain& w = p.start();
        QCOMPARE(w.pos(), QPoint(TwipsToPixels(1000), TwipsToPixels(1000)));
        // Below the menu bar: a client area of 9525 x 7290 twips with the status
        // bar in its bottom 390 (Top 6900).
        const int menu = w.menuBar()->sizeHint().height();
        QCOMPARE(w.size(), QSize(TwipsToPixels(9525), menu + TwipsToPixels(7290)));
        w.show();
        QCOMPARE(w.centralWidget()->geometry(),
                 QRect(0, menu, TwipsToPixels(9525), TwipsToPixels(6900)));
        QCOMPARE(w.Ui().sbStatusBar->geometry(),
                 QRect(0, menu + TwipsToPixels(6900), TwipsToPixels(9525), TwipsToPixels(390)));
        QCOMPARE(w.Ui().Quest->text(), QString("イニシャルファイルが読み込めませんでした。"));
        QCOMPARE(w.Ui().Anser->toPlainText(),
                 QString("ﾌｧｲﾙ･ｵﾌﾟｼｮﾝでｵﾌﾟｼｮﾝを設定後、更新をしてください。"));
        QCOMPARE(p.m().Ini.Count(), -1);
        QCOMPARE(p.m().QuestionLineCount, 0);
        QVERIFY(!w.WordButtons()[0]->isVisibleTo(&w));
        QVERIFY(!QFile::exists(p.ini()));
    }

    void storedPositionFixedSize()
    {
        Program p;
        p.store->setValue("Settings/MainLeft", "3000");
        p.store->setValue("Settings/MainTop", "1500");
        p.store->setValue("Settings/MainWidth", "20000");
        p.store->setValue("Settings/MainHeight", "20000");
        frmMain& w = p.start();
        QCOMPARE(w.pos(), QPoint(200, 100));
        QCOMPARE(w.size(), QSize(635, w.menuBar()->sizeHint().height() + 486));
        QCOMPARE(w.minimumSize(), w.maximumSize());
    }

    void badStoredPosition()
    {
        Program p;
        p.store->setValue("Settings/MainLeft", "left");
        p.store->setValue("Settings/MainTop", "1e300");
        frmMain& w = p.start();
        QCOMPARE(w.pos(), QPoint(67, 67));
    }

    void wordButtonModeStart()
    {
        Program p;
        const QString q =
            p.writeQuestions("q.txt", {"", "I am fine.\t私は元気です。", "Good.\tよい。"});
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        QCOMPARE(p.m().QuestionLineCount, 3);
        QCOMPARE(p.m().EligibleCount, 2);
        QCOMPARE(p.m().CurrentIndex, 2);
        QCOMPARE(p.m().CurrentNumber, 1);
        QCOMPARE(w.Ui().Quest->text(), QString("私は元気です。"));
        QCOMPARE(w.Ui().LabelCHK->text(), QString());
        QCOMPARE(w.Ui().Text1->text(), QString("1"));
        QCOMPARE(w.Ui().Text2->text(), QString("2"));
        QVERIFY(!w.Ui().BStart->isVisibleTo(&w));
        QVERIFY(!w.Ui().BCheck->isVisibleTo(&w));
        QVERIFY(w.Ui().BClear->isVisibleTo(&w));
        QCOMPARE(p.m().WordButtonCount, 4);
        QCOMPARE(w.StatusText(), q + " 番号：1 正解数：0 誤答数：0");
    }

    void postcardModesStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("check");
        QTest::newRow("Japanese to English") << 1 << true;
        QTest::newRow("English to Japanese") << 2 << false;
    }
    void postcardModesStart()
    {
        QFETCH(int, mode);
        QFETCH(bool, check);
        Program p;
        const QString q = p.writeQuestions("q.txt", {"I am fine.\t私は元気です。"});
        p.writeIni(SettingsFor(q, mode));
        frmMain& w = p.start();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルを読込ました。"));
        QCOMPARE(w.Ui().Quest->text(), QString());
        QCOMPARE(w.Ui().Anser->toPlainText(), QString());
        QVERIFY(w.Ui().BStart->isVisibleTo(&w));
        QCOMPARE(w.Ui().BCheck->isVisibleTo(&w), check);
        QVERIFY(!w.Ui().BClear->isVisibleTo(&w));
        QVERIFY(!w.Ui().BGiveup->isVisibleTo(&w));
        QCOMPARE(w.StatusText(), q);
        QCOMPARE(p.m().WordButtonCount, 0);
    }

    void emptySettingsLineKeepsInitialValue()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", {"a\tb"});
        QStringList s = SettingsFor(q, 1, 2);
        s[15] = "";
        s[16] = "";
        p.writeIni(s);
        p.start();
        QCOMPARE(int(p.m().Settings.OperationMode), 0);
        QCOMPARE(int(p.m().Settings.DisplayMode), 0);
        QCOMPARE(p.m().Settings.QuestionFile, q);
    }

    void questionFilePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("message");
        QTest::newRow("three characters") << "abc" << 0 << "";
        QTest::newRow("missing file")
            << "/no/such/file.txt" << -1 << "オプションで指定の問題ファイルがありません。";
        QTest::newRow("a folder") << "/tmp" << -1 << "オプションで指定の問題ファイルがありません。";
    }
    void questionFilePaths()
    {
        QFETCH(QString, path);
        QFETCH(int, lineCount);
        QFETCH(QString, message);
        Program p;
        p.writeIni(SettingsFor(path, 1));
        frmMain& w = p.start();
        QCOMPARE(p.m().QuestionLineCount, lineCount);
        QCOMPARE(w.Ui().LabelCHK->text(), message);
    }

    void messageFiles()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", {"a\tb"});
        const QString c = p.writeQuestions("c.txt", {"正解！", "よし"});
        p.writeIni(SettingsFor(q, 1, 0, {c, "/missing.txt", "xy"}));
        p.start();
        QCOMPARE(p.m().CorrectMessageCount, 2);
        QCOMPARE(p.m().CorrectMessages, FromOne({"正解！", "よし"}));
        QCOMPARE(p.m().WrongMessageCount, -1);
        QCOMPARE(p.m().GiveupMessageCount, 0); // a path of 3 characters reads nothing
    }

    void fileOpen()
    {
        Program p;
        const QString first = p.writeQuestions("first.txt", {"a\tb", "c\td"});
        const QString second = p.writeQuestions("second.txt", {"Good.\tよい。"});
        p.writeIni(SettingsFor(first));
        frmMain& w = p.start();
        const QByteArray ini = ReadBytes(p.ini());

        // Cancelled: nothing changes.
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.dialogs.asked, QStringList{"開く|すべてのﾌｧｲﾙ (*)"});
        QCOMPARE(p.m().Settings.QuestionFile, first);
        QCOMPARE(p.m().QuestionLineCount, 2);
        QCOMPARE(w.Ui().Quest->text(), QString("b"));

        // Chosen: the loaded file's history is saved under its own name first,
        // then the new file is loaded and shown; the settings lines stay.
        p.m().QuestionTable[2].WrongCount = 4;
        p.dialogs.files.push_back(second);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().Settings.QuestionFile, second);
        QCOMPARE(p.m().QuestionLineCount, 1);
        QCOMPARE(w.Ui().Quest->text(), QString("よい。"));
        QCOMPARE(ReadBytes(p.ini()), ini + CrLf({"History (", "0: " + first, "1: 2", "2: 6",
                                                 "3: 1 1 3 0 0 0", "3: 2 2 3 0 0 4", ")History"}));

        // A missing file: nothing loaded, status bar as it was, and a question
        // file is asked for.
        const QString status = w.StatusText();
        p.dialogs.files.push_back(p.path("gone.txt"));
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().QuestionLineCount, -1);
        QCOMPARE(int(p.m().QuestionTable.size()), 0);
        QCOMPARE(w.StatusText(), status);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルを読み込んでください。"));
        // Nothing is loaded, so there is nothing to move over either.
        w.Ui().LabelCHK->clear();
        w.BNext_Click();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルを読み込んでください。"));
        QCOMPARE(p.m().CurrentIndex, 1);
    }

    // A file over the limits is refused with a message; the loaded one stays,
    // under its own name.
    void oversizedFileRefused()
    {
        Program p;
        const QString first = p.writeQuestions("first.txt", {"a\tb"});
        QStringList many;
        for (int i = 0; i < 32767; ++i)
            many << "x\ty";
        const QString big = p.writeQuestions("big.txt", many);
        p.writeIni(SettingsFor(first));
        frmMain& w = p.start();
        p.dialogs.files.push_back(big);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().LoadedQuestionFile, first);
        QCOMPARE(p.m().Settings.QuestionFile, first);
        QCOMPARE(p.m().QuestionLineCount, 1);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルは32766行までです。"));
        // The message is seen whole in the comment line.
        QVERIFY(w.Ui().LabelCHK->fontMetrics().horizontalAdvance(w.Ui().LabelCHK->text()) <=
                w.Ui().LabelCHK->contentsRect().width());
    }

    void fileOpenWithoutIniLoadsNothing()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", {"a\tb"});
        frmMain& w = p.start();
        p.dialogs.files.push_back(q);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().QuestionLineCount, -1);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルを読み込んでください。"));
    }

    void geometryStoredOnClose()
    {
        Program p;
        p.store->setValue("Settings/MainLeft", "1500");
        p.store->setValue("Settings/MainTop", "3000");
        frmMain& w = p.start();
        w.close();
        QCOMPARE(p.store->value("Settings/MainLeft").toString(), QString("1500"));
        QCOMPARE(p.store->value("Settings/MainTop").toString(), QString("3000"));
        QCOMPARE(p.store->value("Settings/MainWidth").toString(), QString("9525"));
        QCOMPARE(p.store->value("Settings/MainHeight").toString(),
                 QString::number(PixelsToTwips(w.menuBar()->sizeHint().height()) + 7290));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
