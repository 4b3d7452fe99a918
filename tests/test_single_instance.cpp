// The lock that keeps one window per english.ini never locks the learner out:
// what a start does with each kind of lock it finds.
#include "TestSupport.h"
#include "app/SingleInstance.h"

#include <QSysInfo>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // A lock that no window answers for: empty or unreadable ones are stale,
    // another machine's is taken over only when the user agrees.
    void leftLocks_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<int>("claim");
        QTest::addColumn<bool>("asked");
        const auto run = int(SingleInstance::Claim::Run);
        const QByteArray here = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("empty") << QByteArray() << false << run << false;
        QTest::newRow("garbage") << QByteArray("\x01\xFFnot a lock\n") << false << run << false;
        QTest::newRow("a process that is gone")
            << QByteArray("999999\nquillmere\n" + here + "\n") << false << run << false;
        QTest::newRow("another machine, taken over")
            << QByteArray("4242\nquillmere\nlaptop-at-school\n") << true << run << true;
        QTest::newRow("another machine, kept")
            << QByteArray("4242\nquillmere\nlaptop-at-school\n") << false
            << int(SingleInstance::Claim::Declined) << true;
    }
    void leftLocks()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, agree);
        QFETCH(int, claim);
        QFETCH(bool, asked);
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        WriteBytes(ini + ".lock", contents);
        QStringList hosts;
        SingleInstance instance(ini);
        const auto result = instance.TryClaim(
            [&](const QString& host) {
                hosts << host;
                return agree;
            },
            3000);
        QCOMPARE(int(result), claim);
        QCOMPARE(!hosts.isEmpty(), asked);
        if (asked)
            QCOMPARE(hosts, QStringList{"laptop-at-school"});
        if (result == SingleInstance::Claim::Run)
            QCOMPARE(ReadBytes(ini + ".lock").split('\n').value(0).toLongLong(), qint64(getpid()));
        else
            QCOMPARE(ReadBytes(ini + ".lock"), contents);
    }

    // A running window is asked to come forward; one on its way out is not,
    // and the start waits for its lock instead.
    void runningAndEndingWindows()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("english.ini");
        auto first = std::make_unique<SingleInstance>(ini);
        const auto never = [](const QString&) { return false; };
        QCOMPARE(first->TryClaim(never), SingleInstance::Claim::Run);
        first->Listen();
        QSignalSpy activated(first.get(), &SingleInstance::Activated);
        SingleInstance second(ini);
        QCOMPARE(second.TryClaim(never), SingleInstance::Claim::RaisedOther);
        QTRY_COMPARE(activated.count(), 1);

        // Ending: it stops answering, and its lock is free a moment later.
        first->StopListening();
        SingleInstance third(ini);
        auto claim = QtConcurrent::run([&] { return third.TryClaim(never, 5000); });
        QTest::qWait(100);
        first.reset();
        QCOMPARE(claim.result(), SingleInstance::Claim::Run);

        // A live window of this machine that never answers is reported, not
        // taken over.
        SingleInstance fourth(ini);
        QCOMPARE(fourth.TryClaim(never, 1500), SingleInstance::Claim::OtherUnreached);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
