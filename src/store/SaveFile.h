#pragma once

#include <QString>
#include <QStringList>

// Replaces the file at path with lines first.. of the list (UTF-8, each ended by
// CR LF), all at once: on any failure the old file stays byte for byte and false
// is returned.
bool WriteLinesAtomically(const QString& path, const QStringList& lines, qsizetype first = 0);
