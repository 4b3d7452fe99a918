#include "app/SingleInstance.h"
#include "quiz/Module1.h"
#include "store/Folders.h"
#include "ui/DialogSeam.h"
#include "ui/ShownReport.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <future>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const ProgramFolders folders =
        FoldersFor(QCoreApplication::applicationDirPath(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString iniPath = folders.ini;
    // The list of fonts, english.ini and the question file are read on other
    // cores while the window is built; reading changes nothing, so a second
    // start that only raises the first loses nothing by it.
    auto fonts = std::async(std::launch::async, LoadFontList);
    auto reading = std::async(std::launch::async, [iniPath] { return ReadStartupFiles(iniPath); });
    PrepareApplication();

    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmere.Quillmere"));
    // Qt's own dialogs and menus speak the window's language. Nothing on the
    // window as it first appears needs them, so they are loaded once it is up.
    QTranslator qtTranslations;
    auto translate = [&qtTranslations] {
        if (qtTranslations.load(QLocale(QLocale::Japanese, QLocale::Japan),
                                QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslations);
    };

    if (folders.installed)
        QDir().mkpath(folders.data);

    // Two windows on one english.ini would overwrite each other's answers.
    SingleInstance instance(iniPath);
    switch (instance.TryClaim()) {
    case SingleInstance::Claim::Run:
        break;
    case SingleInstance::Claim::RaisedOther:
        return 0;
    case SingleInstance::Claim::OtherUnreached:
        translate();
        QMessageBox::information(nullptr, QStringLiteral("Quillmere"),
                                 QStringLiteral("既に起動しています。"));
        return 0;
    }

    Module1 state;
    state.Ini = IniFile(iniPath);
    state.Ini.KeepBackupsIn(folders.backup);
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    QtDialogs dialogs(folders.samples);

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
    StartupFiles files = reading.get();
    MainForm.Load(&files);
    MainForm.show();
    // Once the window is up, later starts can find it.
    QTimer::singleShot(0, &instance, [&instance, translate] {
        translate();
        instance.Listen();
    });
    return app.exec();
}
