#include "store/TextLines.h"

#include "store/Yield.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TextLines::TextLines(QStringView text) : store_(std::make_shared<Store>())
{
    store_->text.append(text.utf16(), static_cast<std::size_t>(text.size()));
    Split();
}

TextLines::TextLines(BigArray<char16_t>&& text) : store_(std::make_shared<Store>())
{
    store_->text = std::move(text);
    Split();
}

namespace {

// The first CR or LF at or after p, or end. Most lines of english.ini are a
// dozen characters long, too short for a search call per line to pay; this
// looks at eight characters a step.
const char16_t* NextLineEnd(const char16_t* p, const char16_t* end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    for (; end - p >= 8; p += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf)));
        if (found != 0)
            return p + __builtin_ctz(static_cast<unsigned>(found)) / 2;
    }
#endif
    for (; p < end; ++p) {
        if (*p == u'\r' || *p == u'\n')
            return p;
    }
    return end;
}

} // namespace

void TextLines::Split()
{
    const char16_t* const begin = store_->text.data();
    const char16_t* const end = begin + store_->text.size();
    BigArray<Span>& spans = store_->spans;
    // A modest guess (lines are rarely under 64 characters) keeps the line
    // table of a large file on ordinary pages, touched only as far as it is
    // filled; a file of short lines grows it.
    spans.reserve(store_->text.size() / 64 + 16);
    const char16_t* p = begin;
    while (p < end) {
        const char16_t* const lineEnd = NextLineEnd(p, end);
        if (lineEnd == end)
            break;
        spans.push_back(
            {static_cast<std::uint32_t>(p - begin), static_cast<std::uint32_t>(lineEnd - p)});
        // CR LF, a lone CR and a lone LF each end one line.
        p = lineEnd + ((*lineEnd == u'\r' && lineEnd + 1 < end && lineEnd[1] == u'\n') ? 2 : 1);
        YieldToWindow();
    }
    if (p < end)
        spans.push_back(
            {static_cast<std::uint32_t>(p - begin), static_cast<std::uint32_t>(end - p)});
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

TextLinesWriter::TextLinesWriter()
{
    lines_.store_ = std::make_shared<TextLines::Store>();
}

void TextLinesWriter::Reserve(qsizetype characters, qsizetype lines)
{
    lines_.store_->text.reserve(static_cast<std::size_t>(characters));
    lines_.store_->spans.reserve(static_cast<std::size_t>(lines));
}

void TextLinesWriter::Append(QStringView line)
{
    TextLines::Store& s = *lines_.store_;
    s.spans.push_back(
        {static_cast<std::uint32_t>(s.text.size()), static_cast<std::uint32_t>(line.size())});
    s.text.append(line.utf16(), static_cast<std::size_t>(line.size()));
    static constexpr char16_t LineEnd[] = {u'\r', u'\n'};
    s.text.append(LineEnd, 2);
}

void TextLinesWriter::AppendLines(const TextLines& from, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, from.Count());
    if (first > last)
        return;
    const TextLines::Store& src = *from.store_;
    TextLines::Store& dst = *lines_.store_;
    const char16_t* const text = src.text.data();
    const std::size_t size = src.text.size();
    static constexpr char16_t LineEnd[] = {u'\r', u'\n'};
    // Lines that already end in CR LF, one after another, are copied as one
    // run of text.
    for (int i = first; i <= last;) {
        int j = i;
        bool crLf = false;
        for (;;) {
            const TextLines::Span s = src.spans[static_cast<std::size_t>(j - 1)];
            const std::size_t end = std::size_t(s.start) + s.length;
            crLf = end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n';
            if (!crLf || j == last || src.spans[static_cast<std::size_t>(j)].start != end + 2)
                break;
            ++j;
        }
        const std::size_t runStart = src.spans[static_cast<std::size_t>(i - 1)].start;
        const TextLines::Span lastLine = src.spans[static_cast<std::size_t>(j - 1)];
        const std::size_t runEnd = std::size_t(lastLine.start) + lastLine.length + (crLf ? 2 : 0);
        const std::size_t base = dst.text.size();
        for (int k = i; k <= j; ++k) {
            const TextLines::Span s = src.spans[static_cast<std::size_t>(k - 1)];
            dst.spans.push_back({static_cast<std::uint32_t>(base + s.start - runStart), s.length});
        }
        dst.text.append(text + runStart, runEnd - runStart);
        if (!crLf)
            dst.text.append(LineEnd, 2);
        i = j + 1;
    }
}

TextLines TextLinesWriter::Take()
{
    TextLines taken = std::move(lines_);
    lines_.store_ = std::make_shared<TextLines::Store>();
    return taken;
}
