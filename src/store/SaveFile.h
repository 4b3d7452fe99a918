#pragma once

#include <QString>
#include <QStringView>

// Replaces the file at path with text in UTF-8, all or nothing: a failed or
// short write leaves the old file as it was.
bool WriteTextAtomically(const QString& path, QStringView text);
