#include "quiz/Module1.h"
#include "ui/DialogSeam.h"
#include "ui/ShownReport.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();

    Module1 state;
    state.Ini = IniFile(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("english.ini")));
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    QtDialogs dialogs;

    frmMain MainForm(state, store, dialogs);
    QObject::connect(&MainForm, &frmMain::Exited, &app, &QCoreApplication::quit);
    // The benchmark asks when the first question is on screen.
    ShownReport report;
    if (qEnvironmentVariableIsSet("QUILLMERE_REPORT_SHOWN"))
        MainForm.Quest->installEventFilter(&report);
    MainForm.Load();
    MainForm.show();
    return app.exec();
}
