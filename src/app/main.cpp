#include "app/SingleInstance.h"
#include "quiz/Module1.h"
#include "ui/DialogSeam.h"
#include "ui/ShownReport.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();

    const QDir home(QCoreApplication::applicationDirPath());
    const QString iniPath = home.filePath(QStringLiteral("english.ini"));

    // Two windows on one english.ini would overwrite each other's answers.
    SingleInstance instance(iniPath);
    switch (instance.TryClaim()) {
    case SingleInstance::Claim::Run:
        break;
    case SingleInstance::Claim::RaisedOther:
        return 0;
    case SingleInstance::Claim::OtherUnreached:
        QMessageBox::information(nullptr, QStringLiteral("Quillmere"),
                                 QStringLiteral("既に起動しています。"));
        return 0;
    }

    Module1 state;
    state.Ini = IniFile(iniPath);
    state.Ini.KeepBackupsIn(home.filePath(QStringLiteral("backup")));
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    QtDialogs dialogs;

    frmMain MainForm(state, store, dialogs);
    QObject::connect(&MainForm, &frmMain::Exited, &app, &QCoreApplication::quit);
    QObject::connect(&instance, &SingleInstance::Activated, &MainForm, [&MainForm] {
        MainForm.showNormal();
        MainForm.raise();
        MainForm.activateWindow();
    });
    // The benchmark asks when the first question is on screen.
    ShownReport report;
    if (qEnvironmentVariableIsSet("QUILLMERE_REPORT_SHOWN"))
        MainForm.Quest->installEventFilter(&report);
    MainForm.Load();
    MainForm.show();
    return app.exec();
}
