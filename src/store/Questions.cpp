#include "store/Questions.h"

QuestionFileCheck CheckQuestionLines(const TextLines& lines, int count)
{
    if (count > MaxQuestionLines)
        return QuestionFileCheck::TooManyLines;
    for (int i = 1; i <= count && i < lines.size(); ++i) {
        if (lines[i].size() > MaxLineLength)
            return QuestionFileCheck::LineTooLong;
    }
    return QuestionFileCheck::Ok;
}

void BuildQuestionRecords(const TextLines& lines, int count, QuestionList& table)
{
    table.assign(static_cast<size_t>(count < 0 ? 1 : count + 1), QuestionRecord{});
    int next = 1;
    for (int i = 1; i <= count; ++i) {
        QuestionRecord& r = table[static_cast<size_t>(i)];
        r.Text = lines[i];
        r.Length = static_cast<int>(r.Text.size());
        r.LineNo = i;
        r.Number = r.Length < 1 ? 0 : next++;
    }
}

int CountQuestions(const QuestionList& table, int count)
{
    int n = 0;
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        if (table[static_cast<size_t>(i)].Length > 0)
            ++n;
    }
    return n;
}

std::int32_t SumQuestionLengths(const QuestionList& table, int count)
{
    std::int32_t sum = 0;
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        const int len = table[static_cast<size_t>(i)].Length;
        if (len > 0)
            sum += len;
    }
    return sum;
}

QString EnglishPart(QStringView text)
{
    const qsizetype t = text.indexOf(u'\t');
    return (t < 0 ? text : text.left(t)).toString();
}

QString JapanesePart(QStringView text)
{
    const qsizetype t = text.indexOf(u'\t');
    return (t < 0 ? text : text.sliced(t + 1)).toString();
}

bool HasTab(QStringView text)
{
    return text.contains(u'\t');
}
