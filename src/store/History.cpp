#include "store/History.h"

#include "answer/TextCompare.h"
#include "app/Yield.h"
#include "store/SaveFile.h"
#include "store/TextFile.h"

#include <optional>

namespace {

const QString SectionOpen = QStringLiteral("History (");
const QString SectionClose = QStringLiteral(")History");
const QString PathPrefix = QStringLiteral("0: ");

bool IsMarker(const QString& line, const QString& marker)
{
    // Hand-edited files may carry blanks around a marker; nothing else may stand
    // beside it, or a path containing ")History" would end its own section.
    return line.size() >= marker.size() && TextEquals(line.trimmed(), marker);
}

std::optional<qint64> ParseNumber(const QString& text, qint64 lo, qint64 hi)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < lo || v > hi)
        return std::nullopt;
    return v;
}

} // namespace

bool IsSectionStart(const QStringList& lines, int count, int i)
{
    if (i < 1 || i + 1 > count || i + 1 >= lines.size())
        return false;
    return IsMarker(lines[i], SectionOpen) && TextEquals(lines[i + 1].left(3), PathPrefix);
}

SectionBounds FindSection(const QStringList& lines, int count, const QString& questionFile)
{
    count = std::min(count, static_cast<int>(lines.size()) - 1);
    SectionBounds b;
    for (int i = 1; i < count; ++i) {
        if (IsSectionStart(lines, count, i) && TextEquals(lines[i + 1].mid(3), questionFile)) {
            b.start = i;
            break;
        }
    }
    if (b.start == 0)
        return b;
    b.end = count;
    for (int j = b.start + 1; j <= count; ++j) {
        if (IsMarker(lines[j], SectionClose)) {
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

QString NthField(const QString& line, int n)
{
    const qsizetype length = line.size();
    qsizetype pos = 0;
    int field = 0;
    while (pos < length - 1) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '), pos + 1);
        ++field;
        if (blank < 0) {
            if (field == n)
                return line.mid(pos);
            break;
        }
        if (field == n)
            return line.mid(pos, blank - pos);
        pos = blank;
        YieldToWindow();
    }
    return QString();
}

bool MergeHistory(const QStringList& iniLines, int iniLineCount, const QString& questionFile,
                  QuestionList& table, int count)
{
    const SectionBounds b = FindSection(iniLines, iniLineCount, questionFile);
    if (b.start == 0)
        return false;
    const int s = b.start;
    // The record lines run up to the closing line, never into the next section.
    const int lastRecord = IsMarker(iniLines[b.end], SectionClose) ? b.end - 1 : b.end;
    if (s + 3 > lastRecord)
        return true;
    const auto questions = ParseNumber(iniLines[s + 2].mid(3), -32768, 32767);
    const auto total = ParseNumber(iniLines[s + 3].mid(3), INT32_MIN, INT32_MAX);
    if (!questions || *questions != CountQuestions(table, count) || !total ||
        *total != SumQuestionLengths(table, count))
        return true;

    struct Counters
    {
        int reserved, correct, wrong;
    };
    std::vector<Counters> restored(static_cast<size_t>(count + 1), Counters{0, 0, 0});
    for (int k = 1; k <= count && s + 3 + k <= lastRecord; ++k) {
        const QString& line = iniLines[s + 3 + k];
        const auto reserved = ParseNumber(NthField(line, 5), -32768, 32767);
        const auto correct = ParseNumber(NthField(line, 6), 0, MaxCounter);
        const auto wrong = ParseNumber(NthField(line, 7), 0, MaxCounter);
        // A damaged record line makes the whole section untrustworthy.
        if (!reserved || !correct || !wrong)
            return true;
        restored[static_cast<size_t>(k)] = {static_cast<int>(*reserved), static_cast<int>(*correct),
                                            static_cast<int>(*wrong)};
    }
    for (int k = 1; k <= count && k < static_cast<int>(table.size()); ++k) {
        QuestionRecord& r = table[static_cast<size_t>(k)];
        r.Reserved = restored[static_cast<size_t>(k)].reserved;
        r.CorrectCount = restored[static_cast<size_t>(k)].correct;
        r.WrongCount = restored[static_cast<size_t>(k)].wrong;
    }
    return true;
}

QStringList BuildHistorySection(const QString& questionFile, const QuestionList& table, int count)
{
    QStringList out;
    out.reserve(count + 5);
    out << SectionOpen << PathPrefix + questionFile
        << QStringLiteral("1: ") + QString::number(CountQuestions(table, count))
        << QStringLiteral("2: ") + QString::number(SumQuestionLengths(table, count));
    // Each record goes back to its own line, undoing any shuffle.
    std::vector<const QuestionRecord*> byLine(static_cast<size_t>(count + 1), nullptr);
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        const QuestionRecord& r = table[static_cast<size_t>(i)];
        if (r.LineNo >= 1 && r.LineNo <= count)
            byLine[static_cast<size_t>(r.LineNo)] = &r;
    }
    const QuestionRecord blank;
    const QChar sp(QLatin1Char(' '));
    for (int k = 1; k <= count; ++k) {
        const QuestionRecord& r =
            byLine[static_cast<size_t>(k)] ? *byLine[static_cast<size_t>(k)] : blank;
        out << QStringLiteral("3: ") + QString::number(r.LineNo) + sp + QString::number(r.Number) +
                   sp + QString::number(r.Length) + sp + QString::number(r.Reserved) + sp +
                   QString::number(r.CorrectCount) + sp + QString::number(r.WrongCount);
    }
    out << SectionClose;
    return out;
}

namespace {

// Writes lines 1..n of out to english.ini and mirrors the new file in iniLines.
bool Rewrite(const QString& iniPath, QStringList out, QStringList& iniLines, int& iniLineCount)
{
    if (!WriteLinesAtomically(iniPath, out))
        return false;
    out.prepend(QString());
    iniLineCount = static_cast<int>(out.size() - 1);
    iniLines = std::move(out);
    return true;
}

void CopyLines(const QStringList& from, int first, int last, QStringList& to)
{
    for (int i = first; i <= last && i < from.size(); ++i)
        to.append(from[i]);
}

} // namespace

bool SaveHistory(const QString& iniPath, const QString& questionFile, const QuestionList& table,
                 int count, QStringList& iniLines, int& iniLineCount)
{
    if (count < 0)
        return true;
    if (ReadTextFile(iniPath, iniLines, iniLineCount) == ReadStatus::Unreadable)
        return false;
    const SectionBounds b = FindSection(iniLines, iniLineCount, questionFile);
    QStringList out;
    out.reserve(std::max(iniLineCount, 0) + count + 5);
    CopyLines(iniLines, 1, b.start > 0 ? b.start - 1 : iniLineCount, out);
    out.append(BuildHistorySection(questionFile, table, count));
    if (b.start > 0)
        CopyLines(iniLines, b.end + 1, iniLineCount, out);
    return Rewrite(iniPath, std::move(out), iniLines, iniLineCount);
}

bool ClearHistory(const QString& iniPath, const QString& questionFile, QuestionList& table,
                  int count, QStringList& iniLines, int& iniLineCount)
{
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        table[static_cast<size_t>(i)].CorrectCount = 0;
        table[static_cast<size_t>(i)].WrongCount = 0;
    }
    if (ReadTextFile(iniPath, iniLines, iniLineCount) == ReadStatus::Unreadable)
        return false;
    const SectionBounds b = FindSection(iniLines, iniLineCount, questionFile);
    if (b.start == 0)
        return true;
    QStringList out;
    CopyLines(iniLines, 1, b.start - 1, out);
    CopyLines(iniLines, b.end + 1, iniLineCount, out);
    return Rewrite(iniPath, std::move(out), iniLines, iniLineCount);
}
