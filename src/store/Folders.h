#pragma once

#include <QString>

// Where the program keeps its files. A program run from its build folder, or
// from any folder it was copied into, keeps english.ini beside itself (portable
// use). An installed one, told by the marker its install leaves beside its data,
// keeps english.ini in the user's own configuration folder, so each user has
// their own history and nothing is written under the install prefix.
struct ProgramFolders
{
    bool installed = false;
    QString data;    // the folder that holds english.ini, its lock and backups
    QString ini;     // english.ini
    QString backup;  // backups of english.ini
    QString samples; // the bundled sample questions, when installed; else empty
};

// The marker of an installed tree, relative to the folder of the program:
// bin/quillmere finds share/quillmere/installed, wherever the tree was moved.
inline constexpr const char* InstalledMarker = "../share/quillmere/installed";

// programDir is the folder of the executable; configHome the user's
// configuration folder ($XDG_CONFIG_HOME, ~/.config by default).
ProgramFolders FoldersFor(const QString& programDir, const QString& configHome);

// The user's configuration folder by the XDG rule: $XDG_CONFIG_HOME when it is an
// absolute path (a relative one is ignored), else .config in the home folder:
// $HOME when it is an absolute path, else the account's home from the password
// database. Empty when none of them names a folder.
QString ConfigHomeFrom(const QString& xdgConfigHome, const QString& home,
                       const QString& accountHome);
// The same for this process.
QString ConfigHome();
