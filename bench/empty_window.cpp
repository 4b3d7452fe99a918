// An empty main window that reports when it was first painted and its peak
// memory, exactly as the program does for the benchmark.
#include "ui/ShownReport.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    ShownReport report;
    w.installEventFilter(&report);
    w.resize(640, 533);
    w.show();
    return app.exec();
}
