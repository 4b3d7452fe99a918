#include "store/Folders.h"

#include <QDir>
#include <QFileInfo>

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
