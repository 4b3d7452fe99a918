#include "app/Module1.h"
#include "ui/DialogSeam.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

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
    MainForm.Load();
    MainForm.show();
    return app.exec();
}
