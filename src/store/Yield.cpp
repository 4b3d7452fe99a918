#include "store/Yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {
constexpr qint64 YieldIntervalMs = 15;
constexpr unsigned CallsPerClockLook = 64;
} // namespace

void YieldToWindow()
{
    static QElapsedTimer sinceLast;
    static thread_local unsigned calls = 0;
    // Looking at the clock costs more than the caller's step; look now and then.
    if (++calls % CallsPerClockLook != 0)
        return;
    // Only the window's own thread lets the window paint; a read made on
    // another thread (at start-up) just goes on.
    const QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread())
        return;
    if (!sinceLast.isValid()) {
        sinceLast.start();
        return;
    }
    if (sinceLast.elapsed() < YieldIntervalMs)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLast.restart();
}
