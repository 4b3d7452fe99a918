#include "app/SingleInstance.h"
#include "quiz/Module1.h"
#include "store/Folders.h"
#include "ui/DialogSeam.h"
#include "ui/EndSignals.h"
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

namespace {

QString TakeOverPrompt(const QString& host)
{
    return QStringLiteral("別のコンピューター（%1）で起動したままの記録があります。"
                          "そちらで起動していなければ、ＯＫを押して続けてください。")
        .arg(host);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QString configHome = ConfigHome();
    if (configHome.isEmpty())
        configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const ProgramFolders folders = FoldersFor(QCoreApplication::applicationDirPath(), configHome);
    const QString iniPath = folders.ini;
    // The list of fonts is read on another core while the window is built.
    auto fonts = std::async(std::launch::async, LoadFontList);
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

    // Two windows on one english.ini would overwrite each other's answers. The
    // lock comes first: english.ini is read only once no other window can be
    // writing it.
    SingleInstance instance(iniPath);
    const auto takeOver = [&translate](const QString& host) {
        translate();
        return QMessageBox::question(nullptr, QStringLiteral("Quillmere"), TakeOverPrompt(host),
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    switch (instance.TryClaim(takeOver)) {
    case SingleInstance::Claim::Run:
        break;
    case SingleInstance::Claim::RaisedOther:
    case SingleInstance::Claim::Declined:
        return 0;
    case SingleInstance::Claim::OtherUnreached:
        translate();
        QMessageBox::information(nullptr, QStringLiteral("Quillmere"),
                                 QStringLiteral("既に起動しています。"));
        return 0;
    }
    // english.ini and the question file are read on another core while the
    // window is built.
    auto reading = std::async(std::launch::async, [iniPath] { return ReadStartupFiles(iniPath); });
    // A logout or kill while the window runs saves the history first.
    EndSignals endSignals;

    Module1 state;
    state.Ini = IniFile(iniPath);
    state.Ini.KeepBackupsIn(folders.backup);
    QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Quillmere"));
    QtDialogs dialogs(folders.samples);

    frmMain MainForm(state, store, dialogs);
    QObject::connect(&MainForm, &frmMain::Exited, &instance, &SingleInstance::Release);
    QObject::connect(&MainForm, &frmMain::Exited, &app, &QCoreApplication::quit);
    QObject::connect(&endSignals, &EndSignals::Received, &MainForm, &frmMain::EndBySignal);
    // A window on its way out answers no later start, which then waits for it.
    QObject::connect(&MainForm, &frmMain::Closing, &instance, [&instance](bool closing) {
        if (closing)
            instance.StopListening();
        else
            instance.Listen();
    });
    QObject::connect(&instance, &SingleInstance::Activated, &MainForm, [&MainForm] {
        MainForm.showNormal();
        MainForm.raise();
        MainForm.activateWindow();
    });
    // The benchmark asks when the first question is on screen.
    ShownReport report;
    if (qEnvironmentVariableIsSet("QUILLMERE_REPORT_SHOWN"))
        MainForm.Ui().Quest->installEventFilter(&report);
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
