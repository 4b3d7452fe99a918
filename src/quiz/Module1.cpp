#include "quiz/Module1.h"

#include "quiz/Selection.h"
#include "store/TextFile.h"

bool Module1::HoldsRecord(int i) const
{
    return i >= 1 && i <= QuestionLineCount && i < static_cast<int>(QuestionTable.size());
}

const QuestionRecord& Module1::Current() const
{
    static const QuestionRecord none;
    return HoldsRecord(CurrentIndex) ? QuestionTable[static_cast<size_t>(CurrentIndex)] : none;
}

QuestionRecord* Module1::CurrentRecord()
{
    return HoldsRecord(CurrentIndex) ? &QuestionTable[static_cast<size_t>(CurrentIndex)] : nullptr;
}

bool Module1::HasHistory() const
{
    return QuestionLineCount >= 0 && !LoadedQuestionFile.isEmpty();
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
        return LoadOutcome::TooBig;
    if (count == -1) {
        m.QuestionLineCount = -1;
        return LoadOutcome::Missing;
    }
    if (CheckQuestionLines(lines, count) != QuestionFileCheck::Ok)
        return LoadOutcome::TooBig;
    m.LoadedQuestionFile = questionFile;
    m.QuestionLines = std::move(lines);
    m.QuestionLineCount = count;
    m.Unsaved = false;
    BuildQuestionRecords(m.QuestionLines, count, m.QuestionTable);
    const bool hasSection = m.Ini.MergeHistory(questionFile, m.QuestionTable, count);
    m.EligibleCount = CountEligible(m.QuestionTable, count, m.Settings.DisplayMode, hasSection);
    return LoadOutcome::Loaded;
}

void LoadMessageFile(const QString& path, QStringList& list, int& count)
{
    if (NamesAFile(path))
        ReadTextFile(path, list, count);
}

std::optional<ModeControls> ControlsFor(Operation mode)
{
    switch (mode) {
    case Operation::WordButtons:
        return ModeControls{.clear = true, .giveup = true, .check = false};
    case Operation::PostcardJapaneseEnglish:
        return ModeControls{.clear = false, .giveup = false, .check = true};
    case Operation::PostcardEnglishJapanese:
        return ModeControls{};
    }
    return std::nullopt;
}
