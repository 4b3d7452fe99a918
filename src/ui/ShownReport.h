#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <ctime>

// For the benchmark: installed on a widget, it prints the moment that widget is
// first painted (CLOCK_REALTIME, ns) and the process's peak memory, then ends
// the event loop.
class ShownReport : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            QFile status(QStringLiteral("/proc/self/status"));
            QByteArray hwm;
            if (status.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : status.readAll().split('\n'))
                    if (line.startsWith("VmHWM:"))
                        hwm = line.mid(6).trimmed();
            }
            std::printf("shown_ns=%lld hwm=%s\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        hwm.constData());
            std::fflush(stdout);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported = false;
};
