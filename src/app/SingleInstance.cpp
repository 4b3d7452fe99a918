#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

namespace {

QString ServerName(const QString& iniPath)
{
    const QString canonical = QFileInfo(iniPath).absoluteFilePath();
    return QStringLiteral("quillmere-") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1)
                   .toHex()
                   .left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& iniPath, QObject* parent)
    : QObject(parent), lock(iniPath + QStringLiteral(".lock")), name(ServerName(iniPath))
{
    // Only a process that is gone makes a lock stale, however long a window runs.
    lock.setStaleLockTime(0);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit Activated();
        }
    });
}

void SingleInstance::Listen()
{
    if (!lock.isLocked() || server.isListening())
        return;
    // A socket left by a killed window would block listening; the lock says it
    // is no one's now.
    QLocalServer::removeServer(name);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(name);
}

void SingleInstance::StopListening()
{
    server.close();
}

void SingleInstance::Release()
{
    server.close();
    lock.unlock();
}

bool SingleInstance::AskToRaise(int waitMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

SingleInstance::Claim SingleInstance::TryClaim(const TakeOver& takeOver, int waitMs)
{
    QElapsedTimer waited;
    waited.start();
    bool judged = false;
    for (;;) {
        if (lock.tryLock(0))
            return Claim::Run;
        // A folder where no lock can be made (read-only, say) is no reason not
        // to run.
        if (lock.error() != QLockFile::LockFailedError)
            return Claim::Run;
        if (AskToRaise(100))
            return Claim::RaisedOther;
        // Nothing answered for a second: what the lock says decides.
        if (!judged && waited.elapsed() >= 1000) {
            judged = true;
            qint64 pid = 0;
            QString host;
            QString application;
            if (!lock.getLockInfo(&pid, &host, &application)) {
                // Empty or unreadable: no window could have written it whole.
                lock.removeStaleLockFile();
                continue;
            }
            if (host != QSysInfo::machineHostName()) {
                // Whether that window still runs cannot be told from here.
                if (!takeOver(host))
                    return Claim::Declined;
                lock.removeStaleLockFile();
                continue;
            }
        }
        // A window of this machine holds it: it may still be starting, or be
        // ending (then the lock comes free).
        if (waited.elapsed() >= waitMs)
            return Claim::OtherUnreached;
        QThread::msleep(100);
    }
}
