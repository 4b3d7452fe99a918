// Keeping the history across runs: mixing the question order, the exit command
// and closing by the frame.
#include "TestSupport.h"
#include "store/TextFile.h"
#include "ui/Options.h"

#include <QCheckBox>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

namespace {

const QStringList Five{"One two.\t一", "Red blue.\t二", "I am fine.\t三", "Good night all.\t四",
                       "See you.\t五"};

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    void historyComesBack_data()
    {
        QTest::addColumn<bool>("shuffle");
        QTest::newRow("file order") << false;
        QTest::newRow("after mixing") << true;
    }
    void historyComesBack()
    {
        QFETCH(bool, shuffle);
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        if (shuffle) {
            w.Ui().Mazeru->trigger();
            QVERIFY(!w.Ui().BStart->isVisibleTo(&w));
        }
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(w.Ui().BBack, Qt::LeftButton); // refused or not, harmless
            w.State().CurrentIndex = 1;
            w.State().CurrentNumber = 1;
            w.ShowCurrentQuestion();
            GoToLine(w, 3);
            Answer(w, true);
        }
        w.State().CurrentIndex = 1;
        w.State().CurrentNumber = 1;
        w.ShowCurrentQuestion();
        GoToLine(w, 5);
        Answer(w, false);
        QSignalSpy exited(&w, &frmMain::Exited);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(exited.count(), 1);
        QVERIFY(!w.isVisible());

        QStringList lines;
        int count = 0;
        ReadTextFile(p.ini(), lines, count);
        const int s = int(lines.indexOf("History ("));
        QVERIFY(s >= 18);
        for (int k = 1; k <= 5; ++k)
            QVERIFY2(lines[s + 3 + k].startsWith(QStringLiteral("3: %1 ").arg(k)),
                     qPrintable(lines[s + 3 + k]));
        QVERIFY(lines[s + 6].endsWith(" 0 2 0"));
        QVERIFY(lines[s + 8].endsWith(" 0 0 1"));

        p.start();
        QCOMPARE(p.m().QuestionTable[3].CorrectCount, 2);
        QCOMPARE(p.m().QuestionTable[5].WrongCount, 1);
        QCOMPARE(p.m().QuestionTable[1].CorrectCount + p.m().QuestionTable[1].WrongCount, 0);
    }

    void mixingMessagesAndReset_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("word buttons") << 0 << "";
        QTest::newRow("postcard") << 1 << "出題順を並べ替えました。";
    }
    void mixingMessagesAndReset()
    {
        QFETCH(int, mode);
        QFETCH(QString, message);
        Program p;
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five), mode));
        frmMain& w = p.start();
        QTest::mouseClick(w.Ui().BNext, Qt::LeftButton);
        w.Ui().Mazeru->trigger();
        QCOMPARE(w.Ui().LabelCHK->text(), message);
        QCOMPARE(p.m().CurrentNumber, 1);
        QCOMPARE(w.Ui().Text1->text(), QString("1"));
        QVERIFY(QFile::exists(p.ini()));
        QVERIFY(ReadBytes(p.ini()).contains("History ("));
        if (mode == 1) {
            QCOMPARE(w.Ui().Quest->text(), QString());
            QCOMPARE(p.m().WordButtonCount, 0);
        } else {
            QVERIFY(p.m().WordButtonCount > 1);
        }
    }

    void mixingWithoutQuestionFile()
    {
        Program p;
        frmMain& w = p.start();
        w.Ui().Mazeru->trigger();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルを読み込んでください。"));
        QVERIFY(!QFile::exists(p.ini()));
    }

    void exitWithMissingQuestionFile()
    {
        Program p;
        p.writeIni(SettingsFor(p.path("gone.txt")));
        const QByteArray before = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.Ui().mnuFileExit->trigger();
        QCOMPARE(ReadBytes(p.ini()), before);
        QCOMPARE(p.store->value("Settings/MainLeft").toString(), QString("1005"));
    }

    void exitWithEmptyQuestionFile()
    {
        Program p;
        const QString q = p.writeQuestions("empty.txt", {});
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        QCOMPARE(p.m().QuestionLineCount, 0);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(
            ReadBytes(p.ini()),
            CrLf(SettingsFor(q) + QStringList{"History (", "0: " + q, "1: 0", "2: 0", ")History"}));
    }

    void exitWhileMinimizedKeepsGeometry()
    {
        Program p;
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five)));
        p.store->setValue("Settings/MainWidth", "1234");
        frmMain& w = p.start();
        w.show();
        w.showMinimized();
        QTRY_VERIFY(w.isMinimized());
        w.State().QuestionTable[1].CorrectCount = 4;
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(p.store->value("Settings/MainWidth").toString(), QString("1234"));
        QVERIFY(!p.store->contains("Settings/MainLeft"));
        QVERIFY(ReadBytes(p.ini()).contains("3: 1 1 10 0 4 0"));
    }

    void closingByTheFrameKeepsOnlyGeometry()
    {
        Program p;
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five)));
        const QByteArray before = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        QCOMPARE(p.m().QuestionTable[1].CorrectCount, 1);
        p.dialogs.saveChoices.push_back(SaveChoice::Discard);
        w.close();
        QCOMPARE(p.dialogs.asked, QStringList{"Quillmere|履歴を保存しますか？"});
        QVERIFY(!w.isVisible());
        QCOMPARE(ReadBytes(p.ini()), before);
        QCOMPARE(p.store->value("Settings/MainHeight").toString(),
                 QString::number(w.frameGeometry().height() * 15));
    }

    void exitClosesTheOptionsDialog()
    {
        Program p;
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five)));
        frmMain& w = p.start();
        w.Ui().FileSetting->trigger();
        QPointer<Options> dialog = w.OptionsWindow();
        QVERIFY(dialog);
        dialog->Check1[0]->setChecked(true);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QVERIFY(!dialog);
        QCOMPARE(p.m().Settings.ShowCorrectMessage, 0); // closed without applying
    }

    // A save that fails keeps the window open and says so; once english.ini is
    // writable again the next press exits.
    void exitWithUnwritableIni()
    {
        Program p;
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five)));
        const QByteArray before = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        QSignalSpy exited(&w, &frmMain::Exited);
        {
            WriteBlock block(p.dir.path(), p.ini());
            QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        }
        QCOMPARE(exited.count(), 0);
        QVERIFY(w.isVisible());
        QCOMPARE(w.Ui().LabelCHK->text(), QString("履歴を保存できず、終了を中止しました。"));
        QCOMPARE(ReadBytes(p.ini()), before);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(exited.count(), 1);
        QVERIFY(ReadBytes(p.ini()).contains("3: 1 1 10 0 1 0"));
    }
};

QTEST_MAIN(TestShutdown)
#include "test_shutdown.moc"
