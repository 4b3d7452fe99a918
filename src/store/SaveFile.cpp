#include "store/SaveFile.h"

#include <QSaveFile>

bool WriteLinesAtomically(const QString& path, const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size * 3 / 2 + 16);
    for (const QString& line : lines) {
        bytes.append(line.toUtf8());
        bytes.append("\r\n", 2);
    }

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile can commit after a short write or a failed flush (full disk, file
    // size limit) and so replace the file with a cut one: check both ourselves.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
