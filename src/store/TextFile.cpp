#include "store/TextFile.h"

#include "app/Yield.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

ReadStatus ReadTextFile(const QString& path, QStringList& lines, int& count)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        count = -1;
        return ReadStatus::Missing;
    }
    if (!info.isFile()) {
        count = -1;
        return ReadStatus::Unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        count = -1;
        return file.exists() ? ReadStatus::Unreadable : ReadStatus::Missing;
    }
    const QByteArray bytes = file.read(MaxTextFileBytes + 1);
    const bool failed = bytes.size() > MaxTextFileBytes || file.error() != QFileDevice::NoError;
    file.close();
    if (failed) {
        count = -1;
        return ReadStatus::Unreadable;
    }
    SplitTextLines(DecodeText(bytes), lines, count);
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
    out.reserve(text.size() / 24 + 2);
    out.append(QString());
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        out.append(QString(data + start, i - start));
        i += (c == u'\r' && i + 1 < size && data[i + 1].unicode() == u'\n') ? 2 : 1;
        start = i;
        YieldToWindow();
    }
    if (start < size)
        out.append(QString(data + start, size - start));
    count = static_cast<int>(out.size() - 1);
    lines = std::move(out);
}
