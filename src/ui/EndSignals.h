#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C, a system
// shutdown) turn into a Qt signal on the window's thread. The handler itself
// only writes one byte to a pipe, the one thing it may safely do; the window
// then ends as a desktop session end does, with the history saved.
class EndSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers; the destructor puts the earlier ones back. One
    // object at a time.
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

signals:
    // One of the signals arrived; signal is its number.
    void Received(int signal);

private:
    std::unique_ptr<QSocketNotifier> notifier;
};
