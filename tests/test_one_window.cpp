// One window per english.ini: a second start on the same folder ends at once,
// and a lock left by a killed window never blocks the next start.
#include "TestSupport.h"

#include <QProcess>
#include <QtTest>
#include <csignal>

class TestOneWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // The program, copied into the folder so that english.ini is beside it.
    QString program() const { return dir.filePath("quillmere"); }

    std::unique_ptr<QProcess> startProgram()
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(program(), {});
        return p;
    }

    // The process id written in the lock, or 0.
    qint64 lockHolder() const
    {
        return ReadBytes(dir.filePath("english.ini.lock")).split('\n').value(0).toLongLong();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::copy(QUILLMERE_PROGRAM, program()));
        QFile(program()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteBytes(dir.filePath("q.txt"), CrLf({"I am fine.\t私は元気です。"}));
        WriteBytes(dir.filePath("english.ini"), CrLf(SettingsFor(dir.filePath("q.txt"))));
    }

    void secondStartEnds()
    {
        auto first = startProgram();
        QVERIFY(first->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), first->processId(), 15000);

        auto second = startProgram();
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(lockHolder(), first->processId());

        // Killed: its lock stays behind, and the next start takes it over.
        const qint64 killed = first->processId();
        first->kill();
        QVERIFY(first->waitForFinished());
        QCOMPARE(lockHolder(), killed);
        auto third = startProgram();
        QVERIFY(third->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), third->processId(), 15000);
        QTest::qWait(300);
        QCOMPARE(third->state(), QProcess::Running);
        third->kill();
        third->waitForFinished();
    }

    // Asked to end by a signal, the program ends of itself and gives its lock up.
    void endsOnSignals_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void endsOnSignals()
    {
        QFETCH(int, signal);
        auto p = startProgram();
        QVERIFY(p->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), p->processId(), 15000);
        QTest::qWait(300);
        QCOMPARE(::kill(pid_t(p->processId()), signal), 0);
        QVERIFY(p->waitForFinished(15000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(!QFile::exists(dir.filePath("english.ini.lock")));
    }
};

QTEST_GUILESS_MAIN(TestOneWindow)
#include "test_one_window.moc"
