#include "store/TextLines.h"

#include "store/Yield.h"

TextLines::TextLines(QString text) : text_(std::move(text))
{
    const QStringView all(text_);
    const qsizetype size = all.size();
    // One line per 32 characters is a generous guess for the files read here.
    spans_.reserve(static_cast<size_t>(size / 32 + 1));
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
        const qsizetype end = cr < 0 ? lf : (lf < 0 ? cr : std::min(cr, lf));
        if (end < 0)
            break;
        spans_.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        start = end + ((end == cr && end + 1 < size && all[end + 1] == u'\n') ? 2 : 1);
        YieldToWindow();
    }
    if (start < size)
        spans_.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(size - start)});
}

TextLines TextLines::FromList(const QStringList& lines)
{
    TextLinesWriter w;
    for (const QString& line : lines)
        w.Append(line);
    return w.Take();
}

QStringList TextLines::ToList() const
{
    QStringList out;
    out.reserve(size());
    out.append(QString());
    for (int i = 1; i <= Count(); ++i)
        out.append((*this)[i].toString());
    return out;
}

bool TextLines::operator==(const TextLines& other) const
{
    if (Count() != other.Count())
        return false;
    for (int i = 1; i <= Count(); ++i) {
        if ((*this)[i] != other[i])
            return false;
    }
    return true;
}

void TextLinesWriter::Reserve(qsizetype characters, qsizetype lines)
{
    lines_.text_.reserve(characters);
    lines_.spans_.reserve(static_cast<size_t>(lines));
}

void TextLinesWriter::Append(QStringView line)
{
    lines_.spans_.push_back(
        {static_cast<std::uint32_t>(lines_.text_.size()), static_cast<std::uint32_t>(line.size())});
    lines_.text_.append(line);
    lines_.text_.append(QStringView(u"\r\n"));
}

void TextLinesWriter::AppendLines(const TextLines& from, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, from.Count());
    for (int i = first; i <= last; ++i)
        Append(from[i]);
}

TextLines TextLinesWriter::Take()
{
    return std::move(lines_);
}
