// A process killed in the middle of a save leaves english.ini as the old file or
// the new one, whole. QUILLMERE_KILLS sets the number of kills.
#include "TestSupport.h"
#include "store/IniFile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

QuestionList SaveLoopTable(int records, int version);

class TestKilledSaves : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileSaving()
    {
        const int records = 20000;
        const int kills = qEnvironmentVariableIsSet("QUILLMERE_KILLS")
                              ? qEnvironmentVariableIntValue("QUILLMERE_KILLS")
                              : 40;
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        const QStringList settings = SettingsFor("/q/loop.txt");
        const QStringList other{"History (", "0: /q/other.txt", "1: 1",
                                "2: 3",      "3: 1 1 3 0 4 4",  ")History"};

        // The two whole files a save can leave.
        QByteArray versions[2];
        for (int v = 0; v < 2; ++v) {
            WriteBytes(ini, CrLf(settings + other));
            IniFile file(ini);
            QCOMPARE(file.SaveHistory("/q/loop.txt", SaveLoopTable(records, v), records),
                     IniResult::Done);
            versions[v] = ReadBytes(ini);
        }
        QVERIFY(versions[0] != versions[1]);

        QRandomGenerator r(QRandomGenerator::global()->generate());
        int seen[2] = {0, 0};
        for (int k = 0; k < kills; ++k) {
            QProcess saver;
            saver.start(SAVE_LOOP_PATH, {ini, QString::number(records)});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(10000));
            QThread::usleep(r.bounded(1000, 60000));
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));
            const QByteArray now = ReadBytes(ini);
            const int which = now == versions[0] ? 0 : now == versions[1] ? 1 : -1;
            QVERIFY2(which >= 0,
                     qPrintable(
                         QStringLiteral("kill %1 left a file of %2 bytes").arg(k).arg(now.size())));
            ++seen[which];
        }
        const QStringList left = QDir(dir.path()).entryList(QDir::Files);
        qInfo("files left in the folder: %s", qPrintable(left.join(", ")));
        qInfo("%d kills during saves: %d left the first version, %d the second", kills, seen[0],
              seen[1]);
    }
};

QTEST_GUILESS_MAIN(TestKilledSaves)
#include "test_killed_saves.moc"
