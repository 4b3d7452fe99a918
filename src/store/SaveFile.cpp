#include "store/SaveFile.h"

#include <QSaveFile>
#include <QStringEncoder>

bool WriteLinesAtomically(const QString& path, const QStringList& lines, qsizetype first)
{
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    qsizetype capacity = 0;
    for (qsizetype i = first; i < lines.size(); ++i)
        capacity += utf8.requiredSpace(lines[i].size()) + 2;
    QByteArray bytes(capacity, Qt::Uninitialized);
    char* at = bytes.data();
    for (qsizetype i = first; i < lines.size(); ++i) {
        at = utf8.appendToBuffer(at, lines[i]);
        *at++ = '\r';
        *at++ = '\n';
    }
    bytes.truncate(at - bytes.constData());

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
