// The reader with the question parser: any bytes give records whose parts and
// words put back together give the line again.
#include "answer/WordSplit.h"
#include "store/Questions.h"
#include "store/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextLines lines(DecodeText(bytes));
    const int count = lines.Count();
    if (count != lines.size() - 1)
        std::abort();
    if (CheckQuestionLines(lines, count) != QuestionFileCheck::Ok)
        return 0;
    QuestionList table;
    BuildQuestionRecords(lines, count, table);
    int numbered = 0;
    for (int i = 1; i <= count; ++i) {
        const QuestionRecord& r = table[static_cast<size_t>(i)];
        if (r.LineNo != i || r.Length != r.Text.size() || (r.Length > 0) != (r.Number > 0))
            std::abort();
        if (r.Number > 0 && r.Number != ++numbered)
            std::abort();
        if (r.Text.contains(u'\r') || r.Text.contains(u'\n'))
            std::abort();
        bool hasTab = false;
        const QStringList words = SplitWords(r.Text.toString(), &hasTab);
        if (hasTab && words.join(QString()) != EnglishPart(r.Text))
            std::abort();
        if (hasTab && EnglishPart(r.Text) + QLatin1Char('\t') + JapanesePart(r.Text) != r.Text)
            std::abort();
    }
    if (CountQuestions(table, count) != numbered)
        std::abort();
    return 0;
}
