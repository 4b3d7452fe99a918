// Whatever file the user opens, and whatever the disk does: a clear outcome,
// never a hang or a crash, and english.ini whole.
#include "TestSupport.h"
#include "store/IniFile.h"
#include "store/TextFile.h"

#include <QLabel>
#include <QtTest>
#include <atomic>
#include <thread>

namespace {

qint64 RssKiB()
{
    QFile f("/proc/self/status");
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    // Opened with File > Open over a loaded file: each gives its outcome.
    void openedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("lineCount"); // -2: refused, the old file stays
        QTest::addColumn<QString>("message");
        const QString ask = "問題ファイルを読み込んでください。";
        const QString lines = "問題ファイルは32766行までです。";
        const QString line = "問題ファイルの1行は32767文字までです。";
        const QString big = "問題ファイルが大きすぎます。";
        QTest::newRow("folder") << "folder" << -1 << ask;
        QTest::newRow("fifo") << "fifo" << -1 << ask;
        QTest::newRow("/dev/zero") << "devzero" << -1 << ask;
        QTest::newRow("missing") << "missing" << -1 << ask;
        QTest::newRow("symlink loop") << "loop" << -1 << ask;
        QTest::newRow("NUL bytes") << "nul" << 2 << "";
        QTest::newRow("invalid Shift_JIS") << "badsjis" << 2 << "";
        QTest::newRow("invalid UTF-8") << "badutf8" << 2 << "";
        QTest::newRow("a 1 MB line") << "longline" << -2 << line;
        QTest::newRow("40,000 lines") << "manylines" << -2 << lines;
        QTest::newRow("200 MB, sparse") << "huge" << -2 << big;
    }
    void openedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(int, lineCount);
        QFETCH(QString, message);
        Program p;
        const QString first = p.writeQuestions("first.txt", {"Good.\tよい。", "Yes.\tはい。"});
        p.writeIni(SettingsFor(first));
        frmMain& w = p.start();
        QString path = p.path("x.txt");
        if (kind == "folder")
            QDir(p.dir.path()).mkdir("x.txt");
        else if (kind == "fifo")
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        else if (kind == "devzero")
            path = "/dev/zero";
        else if (kind == "loop") {
            QCOMPARE(symlink(qPrintable(p.path("y")), qPrintable(path)), 0);
            QCOMPARE(symlink(qPrintable(path), qPrintable(p.path("y"))), 0);
        } else if (kind == "nul")
            WriteBytes(path, QByteArray("a\0b\tc\r\n\0\tx\r\n", 12));
        else if (kind == "badsjis")
            WriteBytes(path, "I\t\x81\x20\xFF\r\nyou\t\x82");
        else if (kind == "badutf8")
            WriteBytes(path, "\xEF\xBB\xBFI\t\xC3\x28\r\nyou\t\xE3\x81");
        else if (kind == "longline")
            WriteBytes(path, QByteArray(1024 * 1024, 'w') + "\tx\r\n");
        else if (kind == "manylines")
            WriteBytes(path, QByteArray("a b\tc\r\n").repeated(40000));
        else if (kind == "huge") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(200) * 1024 * 1024));
        }
        const qint64 rssBefore = RssKiB();
        p.dialogs.files.push_back(path);
        QElapsedTimer t;
        t.start();
        w.Ui().mnuFileOpen->trigger();
        QVERIFY(t.elapsed() < 20000); // never blocks on a FIFO or reads a device forever
        QVERIFY(RssKiB() - rssBefore < 100 * 1024);
        if (lineCount == -2) {
            // Refused: the loaded table stays under its own name, and so do
            // the settings and the status bar.
            QCOMPARE(p.m().QuestionLineCount, 2);
            QCOMPARE(p.m().LoadedQuestionFile, first);
            QCOMPARE(p.m().Settings.QuestionFile, first);
            QVERIFY(w.StatusText().startsWith(first + " "));
        } else {
            QCOMPARE(p.m().QuestionLineCount, lineCount);
        }
        if (!message.isEmpty())
            QCOMPARE(w.Ui().LabelCHK->text(), message);
        // Whatever happened, the window goes on and the exit keeps english.ini whole.
        w.BNext_Click();
        w.BGiveup_Click();
        w.BExit_Click();
        QStringList lines;
        int count = 0;
        QCOMPARE(ReadTextFile(p.ini(), lines, count), ReadStatus::Ok);
        QVERIFY(count >= 17);
    }

    // A file that comes and goes while it is read: every read gives the whole
    // file or nothing.
    void fileVanishingWhileRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("q.txt");
        const QByteArray whole = QByteArray("Go.\t行け。\r\n").repeated(2000);
        std::atomic<bool> stop{false};
        std::thread churn([&] {
            while (!stop) {
                WriteBytes(path + ".new", whole);
                ::rename(qPrintable(path + ".new"), qPrintable(path));
                ::unlink(qPrintable(path));
            }
        });
        int missing = 0, whole_ = 0;
        for (int i = 0; i < 3000; ++i) {
            QStringList lines;
            int count = 0;
            ReadTextFile(path, lines, count);
            if (count == -1)
                ++missing;
            else if (count == 2000)
                ++whole_;
            else
                QFAIL(qPrintable(QStringLiteral("a read of %1 lines").arg(count)));
        }
        stop = true;
        churn.join();
        qInfo("%d whole reads, %d found nothing", whole_, missing);
    }

    // A disk that fills up (a file size limit here) keeps english.ini byte for
    // byte and the user is told.
    void fullDisk()
    {
        Program p;
        QStringList many;
        for (int i = 1; i <= 3000; ++i)
            many << QStringLiteral("Line %1.\t行").arg(i);
        const QString q = p.writeQuestions("q.txt", many);
        p.writeIni(SettingsFor(q));
        frmMain& w = p.start();
        w.State().QuestionTable[1].CorrectCount = 3;
        w.State().Unsaved = true;
        const QByteArray before = ReadBytes(p.ini());
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096; // english.ini with the history is far bigger
        ::setrlimit(RLIMIT_FSIZE, &small);
        w.BExit_Click();
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(ReadBytes(p.ini()), before);
        // Asked whether to end without the answers; Cancel keeps the window.
        QCOMPARE(p.dialogs.asked.last(),
                 QString("Quillmere|履歴を保存できませんでした。保存せずに終了しますか？"));
        QCOMPARE(w.Ui().LabelCHK->text(), QString("履歴を保存できず、終了を中止しました。"));
        QCOMPARE(QDir(p.dir.path()).entryList({"english.ini*"}, QDir::Files),
                 QStringList{"english.ini"});
        w.BExit_Click();
        QVERIFY(ReadBytes(p.ini()).contains("3: 1 1 9 0 3 0"));
    }

    // A real small filesystem, where the machine lets us mount one.
    void smallFilesystem()
    {
        QTemporaryDir dir;
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
            QSKIP("no tmpfs can be mounted here");
        const QString ini = dir.filePath("english.ini");
        WriteBytes(ini, CrLf(SettingsFor("/q/a.txt")));
        const QByteArray before = ReadBytes(ini);
        QuestionList table;
        QStringList lines;
        for (int i = 1; i <= 5000; ++i)
            lines << QStringLiteral("Line %1.\t行").arg(i);
        const TextLines text = LinesOf(lines);
        BuildQuestionRecords(text, 5000, table);
        IniFile file(ini);
        const bool saved = file.SaveHistory("/q/a.txt", table, 5000) == IniResult::Done;
        const QByteArray after = ReadBytes(ini);
        QProcess::execute("umount", {dir.path()});
        QVERIFY(!saved);
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
