#include "store/SaveFile.h"

#include <QSaveFile>
#include <QStringEncoder>

bool WriteTextAtomically(const QString& path, QStringView text)
{
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray bytes(utf8.requiredSpace(text.size()), Qt::Uninitialized);
    bytes.truncate(utf8.appendToBuffer(bytes.data(), text) - bytes.constData());

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
