// A learner's history is never lost: switching files, closing by the frame,
// saves that fail, files that differ by case, damaged record lines, backups,
// line breaks in settings and files refused at start-up.
#include "TestSupport.h"
#include "store/TextFile.h"
#include "ui/Options.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QStringList Five{"One two.\t一", "Red blue.\t二", "I am fine.\t三", "Good night all.\t四",
                       "See you.\t五"};

const QString NotWritten = QStringLiteral("english.iniに書き込めませんでした。");
const QString EndWithout =
    QStringLiteral("Quillmere|履歴を保存できませんでした。保存せずに終了しますか？");
const QString SaveBeforeClosing = QStringLiteral("Quillmere|履歴を保存しますか？");

QStringList StoredCounts(const Program& p, const QString& file, int lines)
{
    return CountsOnDisk(p.ini(), file).mid(0, lines);
}

QStringList MemoryCounts(Program& p)
{
    return CountsInMemory(p.m());
}

} // namespace

class TestKeeping : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    // ファイル > 開く saves the loaded file's answers under its own name first;
    // when that fails the window stays on the loaded file.
    void fileOpenSavesFirst()
    {
        Program p;
        const QString a = p.writeQuestions("a.txt", Five);
        const QString b = p.writeQuestions("b.txt", {"Hi.\tやあ。"});
        p.writeIni(SettingsFor(a));
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        GoToLine(w, 2);
        Answer(w, false);
        {
            WriteBlock block(p.dir.path(), p.ini());
            p.dialogs.files.push_back(b);
            w.Ui().mnuFileOpen->trigger();
        }
        QCOMPARE(w.Ui().LabelCHK->text(), NotWritten);
        QCOMPARE(p.m().LoadedQuestionFile, a);
        QCOMPARE(MemoryCounts(p), QStringList({"1/0", "0/1", "0/0", "0/0", "0/0"}));

        p.dialogs.files.push_back(b);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().LoadedQuestionFile, b);
        QCOMPARE(StoredCounts(p, a, 5), QStringList({"1/0", "0/1", "0/0", "0/0", "0/0"}));
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        p.start();
        QCOMPARE(MemoryCounts(p), QStringList({"1/0", "0/1", "0/0", "0/0", "0/0"}));
    }

    // Closing by the frame with answers unsaved asks; 保存 runs the exit steps,
    // キャンセル keeps the window (保存しない is in the shutdown tests).
    void closingByTheFrameAsks_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("closed");
        QTest::newRow("save") << int(SaveChoice::Save) << true << true;
        QTest::newRow("cancel") << int(SaveChoice::Cancel) << false << false;
    }
    void closingByTheFrameAsks()
    {
        QFETCH(int, choice);
        QFETCH(bool, saved);
        QFETCH(bool, closed);
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        QSignalSpy exited(&w, &frmMain::Exited);
        p.dialogs.saveChoices.push_back(SaveChoice(choice));
        w.close();
        QCOMPARE(p.dialogs.asked, QStringList{SaveBeforeClosing});
        QCOMPARE(w.isVisible(), !closed);
        QCOMPARE(exited.count(), closed ? 1 : 0);
        QCOMPARE(StoredCounts(p, q, 1).first(), QString(saved ? "1/0" : "0/0"));
    }

    // Nothing unsaved: the frame closes at once, as before; after the session's
    // save there is nothing to ask about either.
    void closingWithNothingUnsavedAsksNothing()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        w.SessionEnding();
        QCOMPARE(StoredCounts(p, q, 1).first(), QString("1/0"));
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(p.dialogs.asked, QStringList());
    }

    // 終了 whose save fails asks whether to end without the answers, and only
    // when there are answers to lose.
    void exitWhenTheSaveFails_data()
    {
        QTest::addColumn<bool>("withIni");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("endAnyway");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("exits");
        QTest::newRow("answers, end without them") << true << true << true << true << true;
        QTest::newRow("answers, keep the window") << true << true << false << true << false;
        QTest::newRow("nothing unsaved") << true << false << false << false << true;
        QTest::newRow("first run, nothing to save") << false << false << false << false << true;
    }
    void exitWhenTheSaveFails()
    {
        QFETCH(bool, withIni);
        QFETCH(bool, answered);
        QFETCH(bool, endAnyway);
        QFETCH(bool, asked);
        QFETCH(bool, exits);
        Program p;
        if (withIni)
            p.writeIni(SettingsFor(p.writeQuestions("q.txt", Five)));
        const QByteArray before = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.show();
        if (answered)
            Answer(w, true);
        QSignalSpy exited(&w, &frmMain::Exited);
        p.dialogs.confirms.push_back(endAnyway);
        {
            WriteBlock block(p.dir.path(), withIni ? p.ini() : QString());
            QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        }
        QCOMPARE(p.dialogs.asked.contains(EndWithout), asked);
        QCOMPARE(exited.count(), exits ? 1 : 0);
        QCOMPARE(ReadBytes(p.ini()), before);
        if (!exits)
            QCOMPARE(w.Ui().LabelCHK->text(), QString("履歴を保存できず、終了を中止しました。"));
    }

    // Mixing loses nothing, so a failed save does not stop it; the user is told.
    void mixingWhenTheSaveFails()
    {
        Program p;
        QStringList many;
        for (int i = 1; i <= 40; ++i)
            many << QStringLiteral("Word%1 here.\t%1").arg(i);
        p.writeIni(SettingsFor(p.writeQuestions("q.txt", many)));
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        {
            WriteBlock block(p.dir.path(), p.ini());
            w.Ui().Mazeru->trigger();
        }
        QCOMPARE(w.Ui().LabelCHK->text(), NotWritten);
        bool inFileOrder = true;
        for (int i = 1; i <= 40; ++i)
            inFileOrder = inFileOrder && p.m().QuestionTable[i].LineNo == i;
        QVERIFY(!inFileOrder);
        QCOMPARE(p.m().CurrentIndex, 1);
        QVERIFY(p.m().Unsaved);
    }

    // Q.txt and q.txt are two files with a history each.
    void filesDifferingByCase()
    {
        Program p;
        const QString upper = p.writeQuestions("Q.txt", Five);
        const QString lower =
            p.writeQuestions("q.txt", {"Yes, please.\tはい。", "No, thanks.\tいいえ。"});
        p.writeIni(SettingsFor(upper));
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        p.dialogs.files.push_back(lower);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().QuestionLineCount, 2);
        QCOMPARE(MemoryCounts(p), QStringList({"0/0", "0/0"}));
        Answer(w, false);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(StoredCounts(p, upper, 5), QStringList({"1/0", "0/0", "0/0", "0/0", "0/0"}));
        QCOMPARE(StoredCounts(p, lower, 2), QStringList({"0/1", "0/0"}));
        p.start();
        QCOMPARE(MemoryCounts(p), QStringList({"1/0", "0/0", "0/0", "0/0", "0/0"}));
    }

    // One hand-edited counter out of range loses only its own record; the next
    // save writes every other count back as it was.
    void damagedRecordLosesOnlyItself()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        const QStringList section{"History (",       "0: " + q,          "1: 5",
                                  "2: 60",           "3: 1 1 10 0 3 1",  "3: 2 2 11 0 99999 1",
                                  "3: 3 3 12 0 0 2", "3: 4 4 17 0 -5 0", "3: 5 5 10 0 7 0",
                                  ")History"};
        p.writeIni(SettingsFor(q) + section);
        p.start();
        QCOMPARE(MemoryCounts(p), QStringList({"3/1", "0/0", "0/2", "0/0", "7/0"}));
        Answer(*p.window, false);
        QTest::mouseClick(p.window->Ui().BExit, Qt::LeftButton);
        QCOMPARE(StoredCounts(p, q, 5), QStringList({"3/2", "0/0", "0/2", "0/0", "7/0"}));
    }

    // Before the first rewrite of a run, english.ini as it was goes into
    // backup/; the newest ten are kept, and a backup that cannot be made never
    // stops the save.
    void backups()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        const QByteArray original = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        w.Ui().Mazeru->trigger();
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QDir backup(p.path("backup"));
        const QStringList one = backup.entryList(QDir::Files);
        QCOMPARE(one.size(), 1); // two rewrites in the run, one backup
        QVERIFY(one.first().startsWith("english-"));
        QCOMPARE(ReadBytes(backup.filePath(one.first())), original);

        for (int run = 0; run < 12; ++run) {
            frmMain& again = p.start();
            again.show();
            Answer(again, run % 2 == 0);
            QTest::mouseClick(again.Ui().BExit, Qt::LeftButton);
        }
        QCOMPARE(backup.entryList(QDir::Files).size(), 10);
        QVERIFY(!backup.entryList(QDir::Files).contains(one.first()));
    }
    void failedBackupNeverBlocksTheSave()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        WriteBytes(p.path("backup"), "a file where the folder would go");
        frmMain& w = p.start();
        w.show();
        Answer(w, true);
        QSignalSpy exited(&w, &frmMain::Exited);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(exited.count(), 1);
        QCOMPARE(StoredCounts(p, q, 1).first(), QString("1/0"));
    }

    // A value with a line break would shift every later settings line: refused
    // where it enters, and nothing changes.
    void lineBreaksInTheOptions_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("save");
        QTest::newRow("question file, 更新") << "Text1"
                                             << "/q/a\nb.txt" << true;
        QTest::newRow("question file, ＯＫ") << "Text1"
                                             << "/q/a\nb.txt" << false;
        QTest::newRow("font name with CR, 更新") << "Text5"
                                                 << "Noto\rSans" << true;
        QTest::newRow("message file, 更新") << "Text3"
                                            << "/q/w\r\n.txt" << true;
    }
    void lineBreaksInTheOptions()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(bool, save);
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        const QByteArray before = ReadBytes(p.ini());
        frmMain& w = p.start();
        w.Ui().FileSetting->trigger();
        Options* d = w.OptionsWindow();
        QVERIFY(d);
        const AppSettings settings = p.m().Settings;
        d->findChild<QLineEdit*>(box)->setText(value);
        QTest::mouseClick(save ? d->ButtonChange : d->ButtonOK, Qt::LeftButton);
        QCOMPARE(p.dialogs.told, QStringList{"改行を含む名前や値は使えません。"});
        QVERIFY(w.OptionsWindow() && w.OptionsWindow()->isVisible());
        QVERIFY(p.m().Settings == settings);
        QCOMPARE(ReadBytes(p.ini()), before);
    }
    void lineBreakInAChosenFile()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Five);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        p.dialogs.files.push_back(p.path("a\nb.txt"));
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("改行を含む名前や値は使えません。"));
        QCOMPARE(p.m().Settings.QuestionFile, q);
        QCOMPARE(p.m().LoadedQuestionFile, q);

        w.Ui().FileSetting->trigger();
        Options* d = w.OptionsWindow();
        p.dialogs.files.push_back(p.path("c\rd.txt"));
        QTest::mouseClick(d->ButtonFquest, Qt::LeftButton);
        QCOMPARE(d->Text1->text(), q);
        QCOMPARE(p.dialogs.told, QStringList{"改行を含む名前や値は使えません。"});
    }

    // A file refused as too big at start-up says so, keeps its place in the
    // settings, and no section is written for it or for an empty path.
    void refusedAtStartUpKeepsItsPlace()
    {
        Program p;
        QStringList many;
        for (int i = 0; i < 32767; ++i)
            many << "x\ty";
        const QString big = p.writeQuestions("big.txt", many);
        p.writeIni(SettingsFor(big));
        frmMain& w = p.start();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルは32766行までです。"));
        w.Ui().FileSetting->trigger();
        QCOMPARE(w.OptionsWindow()->Text1->text(), big);
        QTest::mouseClick(w.OptionsWindow()->ButtonChange, Qt::LeftButton);
        QStringList lines;
        int count = 0;
        ReadTextFile(p.ini(), lines, count);
        QCOMPARE(lines.value(6), big);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QVERIFY(!ReadBytes(p.ini()).contains("History ("));
    }
};

QTEST_MAIN(TestKeeping)
#include "test_keeping.moc"
