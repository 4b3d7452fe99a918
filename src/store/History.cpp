#include "store/History.h"

#include "store/TextCompare.h"
#include "store/Yield.h"

#include <QSet>
#include <optional>

namespace {

const QString SectionOpen = QStringLiteral("History (");
const QString SectionClose = QStringLiteral(")History");
const QString PathPrefix = QStringLiteral("0: ");

bool IsMarker(QStringView line, const QString& marker)
{
    // Hand-edited files may carry blanks around a marker; nothing else may stand
    // beside it, or a path containing ")History" would end its own section.
    if (line.size() < marker.size())
        return false;
    // Most lines are record lines: tell them at their first character.
    const char16_t first = marker[0].unicode() | 0x20;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t')
            continue;
        if (u < 0x80 && (u | 0x20) != first)
            return false;
        break;
    }
    return TextEquals(line.trimmed().toString(), marker);
}

// Most lines are record lines: their first character tells that they open or
// close no section, without a call. lowerFirst is a marker's first character
// in lower case.
inline bool CannotBeMarker(QStringView line, char16_t lowerFirst)
{
    if (line.isEmpty())
        return true;
    const char16_t u = line.front().unicode();
    return u < 0x80 && u != u' ' && u != u'\t' && (u | 0x20) != lowerFirst;
}
constexpr char16_t OpenFirst = u'h';
constexpr char16_t CloseFirst = u')';

// A whole number between lo and hi, blanks around it allowed; anything else is
// no number.
std::optional<qint64> ParseNumber(QStringView text, qint64 lo, qint64 hi)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 v = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        v = v * 10 + (u - u'0');
    }
    if (negative)
        v = -v;
    if (v < lo || v > hi)
        return std::nullopt;
    return v;
}

// The last line a section's records may stand on: the one before its
// ")History", or its last line when it lost that.
int LastRecordLine(const TextLines& lines, const SectionBounds& b)
{
    return IsMarker(lines[b.end], SectionClose) ? b.end - 1 : b.end;
}

// Calls take(n, field) for the blank-separated fields of a line, n from 1,
// until it returns false: the first field runs from the start, every later one
// from the blank before it. Any run of blanks separates two fields, so a line
// written with two blanks somewhere keeps its fields in their places; blanks at
// the very end start no field.
template <class Take> void ForEachField(QStringView line, Take take)
{
    const qsizetype length = line.size();
    auto blank = [&](qsizetype i) { return line[i] == u' ' || line[i] == u'\t'; };
    qsizetype pos = 0;
    int n = 0;
    while (pos < length) {
        qsizetype end = pos + 1;
        while (end < length && !blank(end))
            ++end;
        if (!take(++n, line.sliced(pos, end - pos)))
            return;
        // The next field keeps the last blank of the run before it.
        qsizetype next = end;
        while (next + 1 < length && blank(next + 1))
            ++next;
        if (next + 1 >= length)
            return;
        pos = next;
        YieldToWindow();
    }
}

} // namespace

bool IsSectionStart(const TextLines& lines, int count, int i)
{
    if (i < 1 || i + 1 > count || i + 1 >= lines.size())
        return false;
    return IsMarker(lines[i], SectionOpen) &&
           TextEquals(lines[i + 1].left(3).toString(), PathPrefix);
}

namespace {

// The bounds of the section that opens at line start.
SectionBounds SectionFrom(const TextLines& lines, int count, int start)
{
    SectionBounds b;
    b.start = start;
    b.end = count;
    for (int j = b.start + 1; j <= count; ++j) {
        const QStringView line = lines[j];
        if (CannotBeMarker(line, OpenFirst) && CannotBeMarker(line, CloseFirst))
            continue;
        if (IsMarker(line, SectionClose)) {
            b.end = j;
            break;
        }
        if (IsSectionStart(lines, count, j)) {
            b.end = j - 1;
            break;
        }
    }
    return b;
}

// The name of a file without its folder, by either kind of separator: the
// paths may have been written on another system.
QStringView FileNameOf(QStringView path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.sliced(slash + 1);
}

} // namespace

SectionBounds FindSection(const TextLines& lines, int count, const QString& questionFile)
{
    count = std::min(count, static_cast<int>(lines.size()) - 1);
    for (int i = 1; i < count; ++i) {
        if (CannotBeMarker(lines[i], OpenFirst))
            continue;
        // File names are case-sensitive here: Q.txt and q.txt have a history each.
        if (IsSectionStart(lines, count, i) && lines[i + 1].mid(3) == questionFile)
            return SectionFrom(lines, count, i);
    }
    return {};
}

namespace {

// Whether the section's fingerprint (question count and total length) is that
// of the table.
bool FingerprintMatches(const TextLines& lines, const SectionBounds& b, const QuestionList& table,
                        int count)
{
    const int s = b.start;
    if (s + 3 > LastRecordLine(lines, b))
        return false;
    const auto questions = ParseNumber(lines[s + 2].mid(3), -32768, 32767);
    const auto total = ParseNumber(lines[s + 3].mid(3), INT32_MIN, INT32_MAX);
    return questions && *questions == CountQuestions(table, count) && total &&
           *total == SumQuestionLengths(table, count);
}

// Restores the counters of the records from section b, when its fingerprint
// matches.
void MergeSection(const TextLines& iniLines, const SectionBounds& b, QuestionList& table, int count)
{
    if (!FingerprintMatches(iniLines, b, table, count))
        return;
    const int s = b.start;
    // The record lines run up to the closing line, never into the next section.
    const int lastRecord = LastRecordLine(iniLines, b);
    // Every record starts from nothing; a record line that reads well fills it.
    const int records = std::min(count, static_cast<int>(table.size()) - 1);
    for (int k = 1; k <= records; ++k) {
        QuestionRecord& r = table[static_cast<size_t>(k)];
        r.Reserved = 0;
        r.CorrectCount = 0;
        r.WrongCount = 0;
    }
    for (int k = 1; k <= records && s + 3 + k <= lastRecord; ++k) {
        QStringView fields[3];
        ForEachField(iniLines[s + 3 + k], [&](int n, QStringView field) {
            if (n >= 5)
                fields[n - 5] = field;
            return n < 7;
        });
        const auto reserved = ParseNumber(fields[0], -32768, 32767);
        const auto correct = ParseNumber(fields[1], 0, MaxCounter);
        const auto wrong = ParseNumber(fields[2], 0, MaxCounter);
        // A damaged record line loses only its own counters.
        if (!reserved || !correct || !wrong)
            continue;
        QuestionRecord& r = table[static_cast<size_t>(k)];
        r.Reserved = static_cast<int>(*reserved);
        r.CorrectCount = static_cast<int>(*correct);
        r.WrongCount = static_cast<int>(*wrong);
    }
}

} // namespace

bool MergeHistory(const TextLines& iniLines, int iniLineCount, const QString& questionFile,
                  QuestionList& table, int count, QString* movedFrom)
{
    const SectionBounds b = FindSection(iniLines, iniLineCount, questionFile);
    if (b.start != 0) {
        MergeSection(iniLines, b, table, count);
        return true;
    }
    if (!movedFrom)
        return false;
    // A folder that was moved or renamed (a portable copy, say): the history of
    // a file of the same name whose fingerprint matches is this file's.
    const QStringView name = FileNameOf(questionFile);
    const int lines = std::min(iniLineCount, static_cast<int>(iniLines.size()) - 1);
    for (int i = 1; i < lines; ++i) {
        if (CannotBeMarker(iniLines[i], OpenFirst) || !IsSectionStart(iniLines, lines, i))
            continue;
        const QStringView path = iniLines[i + 1].mid(3);
        const SectionBounds other = SectionFrom(iniLines, lines, i);
        if (FileNameOf(path) == name && FingerprintMatches(iniLines, other, table, count)) {
            MergeSection(iniLines, other, table, count);
            *movedFrom = path.toString();
            return true;
        }
        i = std::max(i, other.end);
    }
    return false;
}

namespace {

void AppendNumber(char16_t*& at, int value)
{
    // Most counters are a single digit.
    if (value >= 0 && value < 10) {
        *at++ = static_cast<char16_t>(u'0' + value);
        return;
    }
    char16_t digits[12];
    int n = 0;
    unsigned v = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0)
        *at++ = u'-';
    while (n > 0)
        *at++ = digits[--n];
}

// Writes "3: " and the six numbers of a record, separated by single blanks,
// into buffer; returns its length.
qsizetype FormatRecord(const QuestionRecord& r, char16_t* buffer)
{
    char16_t* at = buffer;
    *at++ = u'3';
    *at++ = u':';
    for (const int v : {r.LineNo, r.Number, r.Length, r.Reserved, r.CorrectCount, r.WrongCount}) {
        *at++ = u' ';
        AppendNumber(at, v);
    }
    return at - buffer;
}

// Writes the section of questionFile.
void AppendSection(TextLinesWriter& out, const QString& questionFile, const QuestionList& table,
                   int count)
{
    out.Append(SectionOpen);
    out.Append(PathPrefix + questionFile);
    out.Append(QStringLiteral("1: ") + QString::number(CountQuestions(table, count)));
    out.Append(QStringLiteral("2: ") + QString::number(SumQuestionLengths(table, count)));
    const QuestionRecord blank;
    char16_t buffer[3 + 6 * 12];
    // Each record goes back to its own line, undoing any shuffle; a table in
    // file order (the usual case) is written as it stands.
    const int held = std::min(count, static_cast<int>(table.size()) - 1);
    bool inOrder = held == count;
    for (int i = 1; inOrder && i <= held; ++i)
        inOrder = table[static_cast<size_t>(i)].LineNo == i;
    std::vector<const QuestionRecord*> byLine;
    if (!inOrder) {
        byLine.assign(static_cast<size_t>(count + 1), nullptr);
        for (int i = 1; i <= held; ++i) {
            const QuestionRecord& r = table[static_cast<size_t>(i)];
            if (r.LineNo >= 1 && r.LineNo <= count)
                byLine[static_cast<size_t>(r.LineNo)] = &r;
        }
    }
    for (int k = 1; k <= count; ++k) {
        const auto at = static_cast<size_t>(k);
        const QuestionRecord& r = inOrder ? table[at] : byLine[at] ? *byLine[at] : blank;
        out.Append(QStringView(buffer, FormatRecord(r, buffer)));
    }
    out.Append(SectionClose);
}

// Room for a section of count records: a record line is at most 75 characters,
// most are near 20.
qsizetype SectionCharacters(const QString& questionFile, int count)
{
    return questionFile.size() + 64 + qsizetype(std::max(count, 0)) * 24;
}

} // namespace

TextLines LinesWithSection(const TextLines& iniLines, int iniLineCount, const QString& questionFile,
                           const QuestionList& table, int count)
{
    iniLineCount = std::min(iniLineCount, iniLines.Count());
    const SectionBounds b = FindSection(iniLines, iniLineCount, questionFile);
    TextLinesWriter out;
    out.Reserve(iniLines.Characters() + SectionCharacters(questionFile, count),
                std::max(iniLineCount, 0) + count + 6);
    out.AppendLines(iniLines, 1, b.start > 0 ? b.start - 1 : iniLineCount);
    AppendSection(out, questionFile, table, count);
    if (b.start > 0)
        out.AppendLines(iniLines, b.end + 1, iniLineCount);
    return out.Take();
}

TextLines LinesWithoutSection(const TextLines& iniLines, int iniLineCount, SectionBounds b)
{
    iniLineCount = std::min(iniLineCount, iniLines.Count());
    TextLinesWriter out;
    out.Reserve(iniLines.Characters(), iniLineCount);
    if (b.start == 0) {
        out.AppendLines(iniLines, 1, iniLineCount);
        return out.Take();
    }
    out.AppendLines(iniLines, 1, b.start - 1);
    out.AppendLines(iniLines, b.end + 1, iniLineCount);
    return out.Take();
}

std::vector<SectionSummary> SummarizeSections(const TextLines& lines, int count)
{
    count = std::min(count, static_cast<int>(lines.size()) - 1);
    std::vector<SectionSummary> out;
    // One pass over the lines: each section is read where it stands. Only the
    // first section under a path is that file's history (the one FindSection
    // finds); a second one (hand-made) is listed with nothing read from it.
    QSet<QStringView> seen;
    for (int i = 1; i < count; ++i) {
        if (CannotBeMarker(lines[i], OpenFirst) || !IsSectionStart(lines, count, i))
            continue;
        const QStringView path = lines[i + 1].mid(3);
        SectionSummary s;
        s.path = path.toString();
        if (seen.contains(path)) {
            out.push_back(s);
            ++i;
            continue;
        }
        seen.insert(path);
        const SectionBounds own = SectionFrom(lines, count, i);
        const int last = LastRecordLine(lines, own);
        if (i + 2 <= last) {
            if (const auto q = ParseNumber(lines[i + 2].mid(3), 0, INT32_MAX))
                s.questions = static_cast<int>(*q);
        }
        for (int k = i + 4; k <= last; ++k) {
            ++s.lines;
            QStringView fields[2];
            ForEachField(lines[k], [&](int n, QStringView field) {
                if (n >= 6)
                    fields[n - 6] = field;
                return n < 7;
            });
            const auto correct = ParseNumber(fields[0], 0, MaxCounter);
            const auto wrong = ParseNumber(fields[1], 0, MaxCounter);
            if (!correct || !wrong)
                continue;
            if (*correct + *wrong > 0)
                ++s.tried;
            if (*correct > 0)
                ++s.correctAtLeastOnce;
        }
        out.push_back(s);
        i = own.end;
    }
    return out;
}
