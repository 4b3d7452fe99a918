#include "app/Module1.h"

#include "quiz/Selection.h"
#include "store/History.h"
#include "store/TextFile.h"

const QuestionRecord& Module1::Current() const
{
    static const QuestionRecord none;
    if (CurrentIndex < 1 || CurrentIndex > QuestionLineCount ||
        CurrentIndex >= static_cast<int>(QuestionTable.size()))
        return none;
    return QuestionTable[static_cast<size_t>(CurrentIndex)];
}

QuestionRecord* Module1::CurrentRecord()
{
    if (CurrentIndex < 1 || CurrentIndex > QuestionLineCount ||
        CurrentIndex >= static_cast<int>(QuestionTable.size()))
        return nullptr;
    return &QuestionTable[static_cast<size_t>(CurrentIndex)];
}

bool NamesAFile(const QString& path)
{
    return path.size() > 3;
}

LoadOutcome LoadQuestionFile(Module1& m, const QString& questionFile)
{
    QStringList lines;
    int count = 0;
    if (ReadTextFile(questionFile, lines, count) == ReadStatus::TooLarge)
        return LoadOutcome::TooManyLines;
    if (count == -1) {
        m.QuestionLineCount = -1;
        return LoadOutcome::Missing;
    }
    switch (CheckQuestionLines(lines, count)) {
    case QuestionFileCheck::TooManyLines:
        return LoadOutcome::TooManyLines;
    case QuestionFileCheck::LineTooLong:
        return LoadOutcome::LineTooLong;
    case QuestionFileCheck::Ok:
        break;
    }
    m.LoadedQuestionFile = questionFile;
    m.QuestionLines = std::move(lines);
    m.QuestionLineCount = count;
    BuildQuestionRecords(m.QuestionLines, count, m.QuestionTable);
    const bool hasSection =
        MergeHistory(m.IniLines, m.IniLineCount, questionFile, m.QuestionTable, count);
    m.EligibleCount = CountEligible(m.QuestionTable, count, m.Settings.DisplayMode, hasSection);
    return LoadOutcome::Loaded;
}

void LoadMessageFile(const QString& path, QStringList& list, int& count)
{
    if (NamesAFile(path))
        ReadTextFile(path, list, count);
}
