#include "store/SaveFile.h"

#include "store/BigArray.h"

#include <QSaveFile>
#include <QStringEncoder>

bool WriteTextAtomically(const QString& path, QStringView text)
{
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    BigArray<char> bytes;
    bytes.reserve(static_cast<std::size_t>(utf8.requiredSpace(text.size())));
    bytes.resize(static_cast<std::size_t>(utf8.appendToBuffer(bytes.data(), text) - bytes.data()));
    const qint64 size = static_cast<qint64>(bytes.size());

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile can commit after a short write or a failed flush (full disk, file
    // size limit) and so replace the file with a cut one: check both ourselves.
    qint64 written = 0;
    while (written < size) {
        const qint64 n = file.write(bytes.data() + written, size - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != size || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
