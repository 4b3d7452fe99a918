// The edges where history could leak: a clear that names one file and clears
// another, a read of english.ini that fails and then becomes a write, signals,
// refused and missing question files, moved folders, backups and the clock, and
// the menu bar's keys.
#include "TestSupport.h"
#include "store/TextFile.h"
#include "ui/EndSignals.h"
#include "ui/Options.h"
#include "ui/StudyStatus.h"
#include "ui/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList Two{"I am fine.\t元気です。", "Good night.\tおやすみ。"};

// What english.ini is on disk, by what can be told without reading it.
QString Fingerprint(const QString& path)
{
    const FileStamp s = StampOf(path);
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(s.inode)
        .arg(s.size)
        .arg(s.modifiedNs)
        .arg(s.regular)
        .arg(s.regular && s.size < (1 << 20) ? QString::fromLatin1(ReadBytes(path).toHex())
                                             : QString());
}

} // namespace

class TestEdges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    // 履歴のクリア in a dialog opened before File > Open names and clears the
    // file loaded when it is pressed.
    void clearHistoryNamesTheLoadedFile()
    {
        Program p;
        const QString a = p.writeQuestions("a.txt", Two);
        const QString b = p.writeQuestions("b.txt", Two);
        const QStringList aHistory = Section(a, {"1 1 16 0 3 0", "2 2 17 0 0 0"}, 2, 33);
        const QStringList bHistory = Section(b, {"1 1 16 0 4 0", "2 2 17 0 0 0"}, 2, 33);
        p.writeIni(SettingsFor(a) + aHistory + bHistory);
        frmMain& w = p.start();
        w.Ui().FileSetting->trigger();
        Options* dialog = w.OptionsWindow();
        p.dialogs.files.push_back(b);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(p.m().QuestionTable[1].CorrectCount, 4);
        p.dialogs.confirms.push_back(true);
        QTest::mouseClick(dialog->ButtonClearHistory, Qt::LeftButton);
        QCOMPARE(p.dialogs.asked.last(), "Quillmere|問題：" + b + "の履歴を削除しますか？");
        QCOMPARE(p.m().QuestionTable[1].CorrectCount, 0);
        const QByteArray ini = ReadBytes(p.ini());
        QVERIFY(ini.contains(CrLf(aHistory)));
        QVERIFY(!ini.contains(("0: " + b).toUtf8()));
    }

    // english.ini that is there but cannot be read is never replaced, whatever
    // the user does; the comment line says why nothing is saved.
    void unreadableIniIsNeverReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("more than memory holds (sparse)") << "sparse";
    }
    void unreadableIniIsNeverReplaced()
    {
        QFETCH(QString, kind);
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(p.ini()));
        } else {
            QFile f(p.ini());
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(13) * 1024 * 1024 * 1024));
        }
        const QString before = Fingerprint(p.ini());
        frmMain& w = p.start();
        QCOMPARE(w.Ui().Quest->text(), QString("イニシャルファイルが読み込めませんでした。"));
        QCOMPARE(w.Ui().LabelCHK->text(), QString("english.iniを読めないため、保存しません。"));

        w.Ui().FileSetting->trigger();
        w.OptionsWindow()->Text1->setText(q);
        QTest::mouseClick(w.OptionsWindow()->ButtonChange, Qt::LeftButton);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("english.iniを読めないため、保存しません。"));
        QCOMPARE(Fingerprint(p.ini()), before);
        QTest::mouseClick(w.OptionsWindow()->ButtonOK, Qt::LeftButton);
        QCOMPARE(Fingerprint(p.ini()), before);
        w.Ui().Mazeru->trigger();
        p.dialogs.files.push_back(q);
        w.Ui().mnuFileOpen->trigger();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("english.iniを読めないため、保存しません。"));
        w.close();
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(Fingerprint(p.ini()), before);
        QVERIFY(!QDir(p.path("backup")).exists() ||
                QDir(p.path("backup")).entryList(QDir::Files).isEmpty());
    }

    // Whatever english.ini the program writes, it reads back: a file past the
    // size the reader once refused keeps every count.
    void largeIniReadsBack()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        QByteArray ini = CrLf(SettingsFor(q));
        ini += CrLf({"History (", "0: /elsewhere/big.txt", "1: 1", "2: 1"});
        ini += QByteArray("3: 1 1 5 0 7 0\r\n").repeated(130 * 1024 * 1024 / 16);
        ini += CrLf({")History"});
        ini += CrLf(Section(q, {"1 1 16 0 5 2", "2 2 17 0 0 1"}, 2, 33));
        WriteBytes(p.ini(), ini);
        ini.clear();
        frmMain& w = p.start();
        QCOMPARE(CountsInMemory(p.m()), QStringList({"5/2", "0/1"}));
        Answer(w, true);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(CountsOnDisk(p.ini(), q), QStringList({"6/2", "0/1"}));
        QVERIFY(StampOf(p.ini()).size > MaxTextFileBytes);
    }

    // SIGTERM, SIGHUP and SIGINT save the answers as a session end does and end
    // the window.
    void signalsSaveAndEnd_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void signalsSaveAndEnd()
    {
        QFETCH(int, signal);
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        EndSignals relay;
        connect(&relay, &EndSignals::Received, &w, &frmMain::EndBySignal);
        QSignalSpy exited(&w, &frmMain::Exited);
        Answer(w, true);
        QVERIFY(p.m().Unsaved);
        QCOMPARE(::kill(::getpid(), signal), 0);
        QTRY_COMPARE(exited.count(), 1);
        QVERIFY(p.dialogs.asked.isEmpty());
        QCOMPARE(CountsOnDisk(p.ini(), q), QStringList({"1/0", "0/0"}));
    }

    // A signal that arrives while a prompt of the options dialog waits for an
    // answer: the prompt is cancelled, and the window ends after it, never
    // inside it (where closing would delete the dialog under the prompt).
    void signalWhileAPromptIsOpen()
    {
        struct RealPrompts : ScriptedDialogs
        {
            bool ConfirmOkCancel(QWidget* parent, const QString& title,
                                 const QString& text) override
            {
                asked << title + QLatin1Char('|') + text;
                QMessageBox box(QMessageBox::Question, title, text,
                                QMessageBox::Ok | QMessageBox::Cancel, parent);
                QTimer::singleShot(100, [] { ::kill(::getpid(), SIGTERM); });
                return box.exec() == QMessageBox::Ok;
            }
        };
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        p.writeIni(SettingsFor(q));
        RealPrompts prompts;
        p.seam = &prompts;
        frmMain& w = p.start();
        w.show();
        EndSignals relay;
        connect(&relay, &EndSignals::Received, &w, &frmMain::EndBySignal);
        QSignalSpy exited(&w, &frmMain::Exited);
        Answer(w, true);
        w.Ui().FileSetting->trigger();
        QTest::mouseClick(w.OptionsWindow()->ButtonClearHistory, Qt::LeftButton);
        QTRY_COMPARE(exited.count(), 1);
        QCOMPARE(CountsOnDisk(p.ini(), q), QStringList({"1/0", "0/0"}));
    }

    // ＯＫ and 更新 with a file over the limits: the settings, english.ini, the
    // status bar and the dialog keep naming the loaded file.
    void refusedFileInTheOptions_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("ＯＫ") << false;
        QTest::newRow("更新") << true;
    }
    void refusedFileInTheOptions()
    {
        QFETCH(bool, save);
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        const QString big = p.writeQuestions("big.txt", QStringList(32767, "x\ty"));
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.Ui().FileSetting->trigger();
        w.OptionsWindow()->Text1->setText(big);
        QTest::mouseClick(save ? w.OptionsWindow()->ButtonChange : w.OptionsWindow()->ButtonOK,
                          Qt::LeftButton);
        QCOMPARE(w.Ui().LabelCHK->text(), QString("問題ファイルは32766行までです。"));
        QCOMPARE(p.m().Settings.QuestionFile, q);
        QCOMPARE(p.m().LoadedQuestionFile, q);
        QVERIFY(w.StatusText().startsWith(q + " "));
        QStringList lines;
        int count = 0;
        QCOMPARE(ReadTextFile(p.ini(), lines, count), ReadStatus::Ok);
        QCOMPARE(lines.value(6), q);
        w.Ui().FileSetting->trigger();
        QCOMPARE(w.OptionsWindow()->Text1->text(), q);
    }

    // ＯＫ with a question file that is gone: no buttons of the old question,
    // and 学習状況 shows an empty file.
    void missingFileShowsNothingOld()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        w.StudyStatus_Click();
        QVERIFY(!WordsOnWindow(w).isEmpty());
        QCOMPARE(w.StudyStatusWindow()->table->model()->rowCount(), 2);
        w.Ui().FileSetting->trigger();
        w.OptionsWindow()->Text1->setText(p.path("gone.txt"));
        QTest::mouseClick(w.OptionsWindow()->ButtonOK, Qt::LeftButton);
        QCOMPARE(p.m().QuestionLineCount, -1);
        QVERIFY(WordsOnWindow(w).isEmpty());
        QCOMPARE(w.Ui().Quest->text(), QString());
        QCOMPARE(w.StudyStatusWindow()->table->model()->rowCount(), 0);
        QVERIFY(w.StudyStatusWindow()->totals->text().startsWith("問題数：0\n"));
    }

    // A portable folder that was moved keeps its counts, says so, and the next
    // save writes them under the new path beside the old section.
    void movedFolderKeepsItsHistory()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        const QStringList old =
            Section("/media/stick/mv1/q.txt", {"1 1 16 0 4 1", "2 2 17 0 0 2"}, 2, 33);
        p.writeIni(SettingsFor(q) + old);
        frmMain& w = p.start();
        QCOMPARE(w.Ui().LabelCHK->text(), QString("移動前の場所の履歴を引き継ぎました。"));
        QCOMPARE(CountsInMemory(p.m()), QStringList({"4/1", "0/2"}));
        Answer(w, true);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QCOMPARE(CountsOnDisk(p.ini(), q), QStringList({"5/1", "0/2"}));
        QVERIFY(ReadBytes(p.ini()).contains(CrLf(old)));
    }

    // Backups are named in UTC; the one just made is never pruned, even beside
    // names that sort after it; one that failed is made before the next save.
    void backupsAndTheClock()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        p.writeIni(SettingsFor(q));
        QDir backup(p.path("backup"));
        QVERIFY(backup.mkpath("."));
        // Ten from a clock far ahead (local time of an earlier run, say).
        for (int i = 0; i < 10; ++i)
            WriteBytes(
                backup.filePath(
                    QStringLiteral("english-20991231-2359%1-000.ini").arg(i, 2, 10, QChar('0'))),
                "old");
        const QDateTime started = QDateTime::currentDateTimeUtc();
        frmMain& w = p.start();
        Answer(w, true);
        QTest::mouseClick(w.Ui().BExit, Qt::LeftButton);
        QStringList names = backup.entryList({"english-*.ini"}, QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 10);
        const QString made = names.first();
        QVERIFY(!made.startsWith("english-2099"));
        const QDateTime stamp = QDateTime::fromString(made.mid(8, 19), "yyyyMMdd-HHmmss-zzz");
        QVERIFY(stamp.isValid());
        QVERIFY(qAbs(QDateTime(stamp.date(), stamp.time(), Qt::UTC).secsTo(started)) < 120);
        QVERIFY(!names.contains("english-20991231-235900-000.ini"));

        // A backup that fails is tried again before the next save of the run.
        Program r;
        const QString rq = r.writeQuestions("q.txt", Two);
        r.writeIni(SettingsFor(rq));
        WriteBytes(r.path("backup"), "a file where the folder would go");
        frmMain& rw = r.start();
        Answer(rw, true);
        rw.Ui().Mazeru->trigger();
        QFile::remove(r.path("backup"));
        const QByteArray beforeSecond = ReadBytes(r.ini());
        Answer(rw, false);
        rw.Ui().Mazeru->trigger();
        const QStringList retried = QDir(r.path("backup")).entryList(QDir::Files);
        QCOMPARE(retried.size(), 1);
        QCOMPARE(ReadBytes(QDir(r.path("backup")).filePath(retried.first())), beforeSecond);
    }

    // Start-up reads the files on another thread and hands them to the same
    // load as a later one: the window shows what a load on its own thread shows.
    void startUpReadOnAnotherThread()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", Two);
        p.writeIni(SettingsFor(q) + Section(q, {"1 1 16 0 4 1", "2 2 17 0 0 2"}, 2, 33));
        frmMain& plain = p.start();
        const QString shown = plain.Ui().Quest->text();
        const QStringList counts = CountsInMemory(p.m());
        p.window.reset();

        auto reading = std::async(std::launch::async, [&] { return ReadStartupFiles(p.ini()); });
        StartupFiles files = reading.get();
        Module1 state;
        state.Ini = IniFile(p.ini());
        frmMain w(state, *p.store, p.dialogs);
        w.Load(&files);
        QCOMPARE(w.Ui().Quest->text(), shown);
        QCOMPARE(CountsInMemory(state), counts);
        QCOMPARE(counts, QStringList({"4/1", "0/2"}));
        QCOMPARE(state.LoadedQuestionFile, q);
        QVERIFY(!WordsOnWindow(w).isEmpty());
    }

    // Alt, then a menu's letter, opens that menu in word-button mode: the
    // letter is the menu bar's, not a word pick.
    void altThenLetterOpensTheMenu()
    {
        Program p;
        const QString q = p.writeQuestions("q.txt", {"Fine fish.\t魚"});
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.menuBar()->setFocus(Qt::MenuBarFocusReason);
        w.menuBar()->setActiveAction(w.Ui().mnuFile->menuAction());
        QTest::keyClick(w.menuBar(), Qt::Key_F);
        QVERIFY(!w.IsCandidate(1) && !w.IsCandidate(2));
        QVERIFY(w.Ui().Anser->toPlainText().isEmpty());
    }
};

QTEST_MAIN(TestEdges)
#include "test_edges.moc"
