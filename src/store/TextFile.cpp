#include "store/TextFile.h"

#include "store/Yield.h"

#include <QFile>
#include <QStringDecoder>
#include <sys/stat.h>

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

ReadStatus ReadTextFile(const QString& path, QStringList& lines, int& count, FileStamp* stamp)
{
    // Taken before the read: a change made while reading shows as a new stamp.
    const FileStamp now = StampOf(path);
    if (stamp)
        *stamp = now;
    if (path.isEmpty() || now.size < 0) {
        count = -1;
        return ReadStatus::Missing;
    }
    if (!now.regular) {
        count = -1;
        return ReadStatus::Unreadable;
    }
    if (now.size > MaxTextFileBytes) {
        count = -1;
        return ReadStatus::TooLarge;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        count = -1;
        return file.exists() ? ReadStatus::Unreadable : ReadStatus::Missing;
    }
    QString text;
    {
        // The bytes go before the lines are made, so they never all coexist.
        const QByteArray bytes = file.readAll();
        const bool failed = bytes.size() > MaxTextFileBytes || file.error() != QFileDevice::NoError;
        file.close();
        if (failed) {
            count = -1;
            return ReadStatus::Unreadable;
        }
        text = DecodeText(bytes);
    }
    SplitTextLines(text, lines, count);
    return ReadStatus::Ok;
}

QString DecodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8(QByteArrayView(bytes).sliced(3));
    }
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
    if (!sjis.isValid()) {
        QStringDecoder latin(QStringDecoder::Latin1);
        return latin(bytes);
    }
    // The decoder drops a character cut off at the end of the input; a line end
    // after it makes it come out as a substitute, and is taken off again.
    QString text = sjis(bytes + '\n');
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

void SplitTextLines(const QString& text, QStringList& lines, int& count)
{
    QStringList out;
    out.reserve(text.size() / 32 + 2);
    out.append(QString());
    const QStringView all(text);
    const qsizetype size = all.size();
    // The next CR and the next LF, each found with the fast search and kept
    // until the scan passes it.
    qsizetype cr = all.indexOf(u'\r');
    qsizetype lf = all.indexOf(u'\n');
    qsizetype start = 0;
    while (start < size) {
        if (cr >= 0 && cr < start)
            cr = all.indexOf(u'\r', start);
        if (lf >= 0 && lf < start)
            lf = all.indexOf(u'\n', start);
        qsizetype end = cr < 0 ? lf : (lf < 0 ? cr : std::min(cr, lf));
        if (end < 0)
            break;
        out.append(all.sliced(start, end - start).toString());
        start = end + ((end == cr && end + 1 < size && all[end + 1] == u'\n') ? 2 : 1);
        YieldToWindow();
    }
    if (start < size)
        out.append(all.sliced(start).toString());
    count = static_cast<int>(out.size() - 1);
    lines = std::move(out);
}
