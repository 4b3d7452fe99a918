#include "store/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <new>
#include <sys/stat.h>
#include <unicode/ucsdet.h>

FileStamp StampOf(const QString& path)
{
    FileStamp s;
    s.known = true;
    struct stat st
    {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.regular = S_ISREG(st.st_mode);
    return s;
}

ReadStatus ReadTextFile(const QString& path, TextLines& lines, int& count, FileStamp* stamp,
                        qint64 maxBytes)
{
    // Taken before the read: a change made while reading shows as a new stamp.
    const FileStamp now = StampOf(path);
    if (stamp)
        *stamp = now;
    // Every character comes from at least one byte and no more than three.
    const qint64 limit = maxBytes >= 0 ? maxBytes : qint64(TextLines::MaxCharacters) * 3;
    if (path.isEmpty() || now.size < 0) {
        count = -1;
        return ReadStatus::Missing;
    }
    if (!now.regular) {
        count = -1;
        return ReadStatus::Unreadable;
    }
    if (now.size > limit) {
        count = -1;
        return ReadStatus::TooLarge;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        count = -1;
        return file.exists() ? ReadStatus::Unreadable : ReadStatus::Missing;
    }
    try {
        BigArray<char16_t> text;
        {
            // The bytes go before the lines are made, so they never all coexist.
            // One byte past the stamp's size tells a file that grew while read.
            BigArray<char> bytes;
            bytes.reserve(static_cast<std::size_t>(now.size) + 1);
            qint64 got = 0;
            bool failed = false;
            bool tooLarge = false;
            for (;;) {
                const qint64 room = qint64(bytes.capacity()) - got;
                const qint64 n = room > 0 ? file.read(bytes.data() + got, room) : 0;
                if (n < 0)
                    failed = true;
                if (n <= 0)
                    break;
                got += n;
                if (got == qint64(bytes.capacity())) {
                    if (got > limit) {
                        tooLarge = true;
                        break;
                    }
                    bytes.reserve(bytes.capacity() * 2);
                }
            }
            file.close();
            if (failed || tooLarge) {
                count = -1;
                return tooLarge ? ReadStatus::TooLarge : ReadStatus::Unreadable;
            }
            bytes.resize(static_cast<std::size_t>(got));
            DecodeTextInto(QByteArrayView(bytes.data(), got), text);
        }
        if (text.size() > TextLines::MaxCharacters) {
            count = -1;
            return ReadStatus::TooLarge;
        }
        lines = TextLines(std::move(text));
    } catch (const std::bad_alloc&) {
        // More than memory holds: the file is there but cannot be read now.
        count = -1;
        return ReadStatus::Unreadable;
    }
    count = lines.Count();
    return ReadStatus::Ok;
}

ReadStatus ReadTextFile(const QString& path, QStringList& lines, int& count)
{
    TextLines read;
    const ReadStatus status = ReadTextFile(path, read, count);
    if (status == ReadStatus::Ok)
        lines = read.ToList();
    return status;
}

namespace {

// How sure the charset detector is that bytes are UTF-8 and that they are
// Shift_JIS, 0 to 100 each; 0 for an encoding it does not name.
struct Guess
{
    int utf8 = 0;
    int shiftJis = 0;
};

Guess DetectEncoding(QByteArrayView bytes)
{
    Guess guess;
    UErrorCode status = U_ZERO_ERROR;
    UCharsetDetector* detector = ucsdet_open(&status);
    if (U_FAILURE(status))
        return guess;
    // The detector's work grows with its input: a large file is shown as
    // pieces taken evenly from all of it, never its head alone, which may be
    // nothing but ASCII.
    constexpr qsizetype Piece = 16 * 1024;
    constexpr qsizetype Pieces = 16;
    QByteArray sample;
    QByteArrayView shown = bytes;
    if (bytes.size() > Piece * Pieces) {
        sample.reserve(Piece * Pieces);
        const qsizetype step = (bytes.size() - Piece) / (Pieces - 1);
        for (qsizetype k = 0; k < Pieces; ++k) {
            qsizetype from = k * step;
            // Each piece starts on a line, so no pair is cut in two.
            if (k > 0) {
                const qsizetype lf = bytes.indexOf('\n', from);
                if (lf < 0 || lf + 1 >= bytes.size())
                    break;
                from = lf + 1;
            }
            qsizetype to = std::min(bytes.size(), from + Piece);
            const qsizetype lf = bytes.lastIndexOf('\n', to - 1);
            if (lf > from)
                to = lf + 1;
            sample.append(bytes.sliced(from, to - from));
        }
        shown = sample;
    }
    ucsdet_setText(detector, shown.constData(), static_cast<int32_t>(shown.size()), &status);
    int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector, &found, &status);
    for (int32_t i = 0; U_SUCCESS(status) && i < found; ++i) {
        UErrorCode matchStatus = U_ZERO_ERROR;
        const char* name = ucsdet_getName(matches[i], &matchStatus);
        const int confidence = ucsdet_getConfidence(matches[i], &matchStatus);
        if (U_FAILURE(matchStatus) || name == nullptr)
            continue;
        const QByteArrayView n(name);
        if (n == "UTF-8")
            guess.utf8 = std::max(guess.utf8, confidence);
        else if (n == "Shift_JIS")
            guess.shiftJis = std::max(guess.shiftJis, confidence);
    }
    ucsdet_close(detector);
    return guess;
}

// Well-formed multi-byte UTF-8 characters, and bytes that break UTF-8.
struct Utf8Tally
{
    qsizetype good = 0;
    qsizetype bad = 0;
};

Utf8Tally TallyUtf8(QByteArrayView bytes)
{
    Utf8Tally t;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = b[i];
        const int extra = c < 0x80                ? 0
                          : c >= 0xC2 && c < 0xE0 ? 1
                          : c >= 0xE0 && c < 0xF0 ? 2
                          : c >= 0xF0 && c < 0xF5 ? 3
                                                  : -1;
        if (extra == 0) {
            ++i;
            continue;
        }
        bool ok = extra > 0 && i + extra < n;
        for (int k = 1; ok && k <= extra; ++k)
            ok = (b[i + k] & 0xC0) == 0x80;
        if (ok) {
            ++t.good;
            i += extra + 1;
        } else {
            ++t.bad;
            ++i;
        }
    }
    return t;
}

} // namespace

void DecodeTextInto(QByteArrayView bytes, BigArray<char16_t>& out)
{
    // Every decoder here makes at most one character of a byte; the Shift_JIS
    // one may add a substitute and a line end at the end.
    out.resize(0);
    out.reserve(static_cast<std::size_t>(bytes.size()) + 2);
    auto decodeWith = [&](QStringDecoder& decoder, QByteArrayView part) {
        QChar* const start = reinterpret_cast<QChar*>(out.data() + out.size());
        const QChar* const end = decoder.appendToBuffer(start, part);
        out.resize(out.size() + static_cast<std::size_t>(end - start));
    };
    // A BOM is dropped only at the very start of the file (below); one that
    // begins a later part of the bytes is a character of the text.
    const auto utf8Flags =
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder utf8(QStringDecoder::Utf8, utf8Flags);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        decodeWith(utf8, bytes.sliced(3));
        return;
    }
    {
        // A file that is not UTF-8 nearly always shows it in its first line with
        // Japanese: the rest is decoded only after a first part that is. The
        // parts meet at the start of a character, so they decode as the whole.
        qsizetype head = std::min<qsizetype>(bytes.size(), 64 * 1024);
        while (head < bytes.size() && head > 0 && (uchar(bytes[head]) & 0xC0) == 0x80)
            --head;
        decodeWith(utf8, bytes.first(head));
        if (!utf8.hasError())
            decodeWith(utf8, bytes.sliced(head));
        if (!utf8.hasError())
            return;
    }
    out.resize(0);
    // Not wholly UTF-8: decided by the bytes as a whole, so a few bad bytes in a
    // UTF-8 file become substitutes instead of turning every line to mojibake.
    // Well-formed UTF-8 characters that outnumber the bytes breaking it make
    // the file UTF-8; Shift_JIS pairs rarely form them. Otherwise bytes that
    // are Shift_JIS without a fault are Shift_JIS, and the charset detector,
    // shown the whole file, decides the rest.
    const Utf8Tally tally = TallyUtf8(bytes);
    bool asUtf8 = tally.good > tally.bad;
    if (!asUtf8) {
        QStringDecoder plain("windows-31j", QStringDecoder::Flag::Stateless);
        if (plain.isValid()) {
            decodeWith(plain, bytes);
            if (!plain.hasError())
                return;
            out.resize(0);
        }
        const Guess guess = DetectEncoding(bytes);
        asUtf8 = guess.utf8 > guess.shiftJis;
    }
    if (asUtf8) {
        QStringDecoder again(QStringDecoder::Utf8, utf8Flags);
        decodeWith(again, bytes);
        return;
    }
    QStringDecoder sjis("windows-31j");
    if (!sjis.isValid()) {
        QStringDecoder latin(QStringDecoder::Latin1);
        decodeWith(latin, bytes);
        return;
    }
    // The decoder keeps a character cut off at the end of the input; a line end
    // after it makes it come out as a substitute, and is taken off again.
    decodeWith(sjis, bytes);
    decodeWith(sjis, "\n");
    if (out.size() > 0 && out[out.size() - 1] == u'\n')
        out.resize(out.size() - 1);
}

QString DecodeText(const QByteArray& bytes)
{
    BigArray<char16_t> text;
    DecodeTextInto(bytes, text);
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}
