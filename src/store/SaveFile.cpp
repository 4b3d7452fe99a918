#include "store/SaveFile.h"

#include <QSaveFile>
#include <QStringEncoder>
#include <vector>

bool WriteTextAtomically(const QString& path, QStringView text)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Encoded a piece at a time into one small buffer, so a large file costs no
    // second copy of itself. The encoder carries a pair split between pieces.
    QStringEncoder utf8(QStringEncoder::Utf8);
    constexpr qsizetype Piece = 16 * 1024;
    std::vector<char> buffer(static_cast<size_t>(utf8.requiredSpace(Piece)));
    bool ok = true;
    for (qsizetype at = 0; ok && at < text.size(); at += Piece) {
        const QStringView piece = text.sliced(at, std::min(Piece, text.size() - at));
        const qint64 size = utf8.appendToBuffer(buffer.data(), piece) - buffer.data();
        // QSaveFile can commit after a short write or a failed flush (full disk,
        // file size limit) and so replace the file with a cut one: check both
        // ourselves.
        qint64 written = 0;
        while (written < size) {
            const qint64 n = file.write(buffer.data() + written, size - written);
            if (n <= 0)
                break;
            written += n;
        }
        ok = written == size;
    }
    if (!ok || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
