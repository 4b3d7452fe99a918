#include "store/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

ProgramFolders FoldersFor(const QString& programDir, const QString& configHome)
{
    ProgramFolders f;
    const QDir program(programDir);
    f.installed = QFileInfo(program.filePath(QLatin1String(InstalledMarker))).isFile();
    f.data = f.installed ? QDir(configHome).filePath(QStringLiteral("Quillmere"))
                         : program.absolutePath();
    if (f.installed)
        f.samples = QDir::cleanPath(program.filePath(QStringLiteral("../share/quillmere/samples")));
    const QDir data(f.data);
    f.ini = data.filePath(QStringLiteral("english.ini"));
    f.backup = data.filePath(QStringLiteral("backup"));
    return f;
}

QString ConfigHomeFrom(const QString& xdgConfigHome, const QString& home,
                       const QString& accountHome)
{
    if (QDir::isAbsolutePath(xdgConfigHome))
        return QDir::cleanPath(xdgConfigHome);
    const QString base = QDir::isAbsolutePath(home)          ? home
                         : QDir::isAbsolutePath(accountHome) ? accountHome
                                                             : QString();
    if (base.isEmpty())
        return QString();
    return QDir::cleanPath(base + QStringLiteral("/.config"));
}

QString ConfigHome()
{
    QString accountHome;
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
        accountHome = QFile::decodeName(account->pw_dir);
    return ConfigHomeFrom(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"),
                          accountHome);
}
