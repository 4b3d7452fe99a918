#include "app/Module1.h"
#include "ui/DialogSeam.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

// For the benchmark: once the question has been painted, print when that was
// and the peak memory, then leave.
class ReportWhenShown : public QObject
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
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();

    Module1 state;
    state.IniPath =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("english.ini"));
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    QtDialogs dialogs;

    frmMain MainForm(state, store, dialogs);
    QObject::connect(&MainForm, &frmMain::Exited, &app, &QCoreApplication::quit);
    ReportWhenShown report;
    if (qEnvironmentVariableIsSet("QUILLMERE_REPORT_SHOWN"))
        MainForm.Quest->installEventFilter(&report);
    MainForm.Load();
    MainForm.show();
    return app.exec();
}
