#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

// One window per english.ini. The first start holds a lock beside the file and
// listens on a local socket named after it; a later start asks that window to
// come to the front and ends. A lock never locks the learner out: one left by a
// killed process is stale at once (its process is gone), one that is empty or
// unreadable (a power cut right after it was made) is taken over when no window
// answers within a second, and one written on another machine (a portable
// folder moved after a crash) is taken over once the user agrees.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim
    {
        Run,            // this process runs (also when no lock can be made there)
        RaisedOther,    // another window runs and was asked to come forward
        OtherUnreached, // another window holds the lock but did not answer
        Declined,       // the lock is another machine's and the user kept it
    };
    // Asked whether to take over a lock that a window on host holds.
    using TakeOver = std::function<bool(const QString& host)>;

    explicit SingleInstance(const QString& iniPath, QObject* parent = nullptr);

    // waitMs bounds the wait for a window of this machine that holds the lock
    // but does not answer yet (it may still be starting).
    Claim TryClaim(const TakeOver& takeOver, int waitMs = 9000);
    // After a claim that runs: answers later starts from now on. A start in
    // between waits for it, as for any window still starting.
    void Listen();
    // A window on its way out answers no more: a start made meanwhile waits for
    // the lock instead of raising a window that is about to go.
    void StopListening();
    // Gives the lock up (the process ends).
    void Release();

signals:
    // A later start asked this window to come to the front.
    void Activated();

private:
    // Asks the window that listens to come forward; true when one was there.
    bool AskToRaise(int waitMs);

    QLockFile lock;
    QLocalServer server;
    QString name;
};
