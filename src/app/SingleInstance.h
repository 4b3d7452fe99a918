#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One window per english.ini. The first start holds a lock beside the file and
// listens on a local socket named after it; a later start asks that window to
// come to the front and ends. A lock left by a killed process is stale at once
// (its process is gone), so it never blocks the next start.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim
    {
        Run,           // this process runs (also when no lock can be made there)
        RaisedOther,   // another window runs and was asked to come forward
        OtherUnreached // another window holds the lock but did not answer
    };

    explicit SingleInstance(const QString& iniPath, QObject* parent = nullptr);

    Claim TryClaim();
    // After a claim that runs: answers later starts from now on. A start in
    // between waits for it, as for any window still starting.
    void Listen();

signals:
    // A later start asked this window to come to the front.
    void Activated();

private:
    QLockFile lock;
    QLocalServer server;
    QString name;
};
