#include "store/Yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
constexpr qint64 YieldIntervalMs = 15;
constexpr unsigned CallsPerClockLook = 64;
} // namespace

void YieldToWindow()
{
    static QElapsedTimer sinceLast;
    static unsigned calls = 0;
    // Looking at the clock costs more than the caller's step; look now and then.
    if (++calls % CallsPerClockLook != 0)
        return;
    if (!sinceLast.isValid()) {
        sinceLast.start();
        return;
    }
    if (sinceLast.elapsed() < YieldIntervalMs)
        return;
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLast.restart();
}
