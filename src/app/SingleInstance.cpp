#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>
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
    if (!lock.isLocked())
        return;
    // A socket left by a killed window would block listening; the lock says it
    // is no one's now.
    QLocalServer::removeServer(name);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(name);
}

SingleInstance::Claim SingleInstance::TryClaim()
{
    if (lock.tryLock(0))
        return Claim::Run;
    // A folder where no lock can be made (read-only, say) is no reason not to run.
    if (lock.error() != QLockFile::LockFailedError)
        return Claim::Run;
    // The other window may still be starting: give it a moment to listen.
    for (int attempt = 0; attempt < 30; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(200)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return Claim::RaisedOther;
        }
        QThread::msleep(100);
    }
    return Claim::OtherUnreached;
}
