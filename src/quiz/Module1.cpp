#include "quiz/Module1.h"

#include "quiz/Selection.h"
#include "store/BigArray.h"
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

PreparedQuestions PrepareQuestionFile(const IniFile& ini, DisplayFilter displayMode,
                                      const QString& questionFile)
{
    PreparedQuestions p;
    p.path = questionFile;
    if (ReadTextFile(questionFile, p.lines, p.count) == ReadStatus::TooLarge) {
        p.outcome = LoadOutcome::TooLarge;
        return p;
    }
    if (p.count == -1) {
        p.outcome = LoadOutcome::Missing;
        return p;
    }
    if (const QuestionFileCheck check = CheckQuestionLines(p.lines, p.count);
        check != QuestionFileCheck::Ok) {
        p.outcome = check == QuestionFileCheck::TooManyLines ? LoadOutcome::TooManyLines
                                                             : LoadOutcome::LineTooLong;
        p.lines = TextLines();
        return p;
    }
    p.outcome = LoadOutcome::Loaded;
    BuildQuestionRecords(p.lines, p.count, p.table);
    const bool hasSection = ini.MergeHistory(questionFile, p.table, p.count, &p.movedFrom);
    p.eligible = CountEligible(p.table, p.count, displayMode, hasSection);
    return p;
}

LoadOutcome TakeQuestionFile(Module1& m, PreparedQuestions&& p)
{
    if (IsRefusal(p.outcome))
        return p.outcome;
    if (p.outcome == LoadOutcome::Missing) {
        m.QuestionLineCount = -1;
        return p.outcome;
    }
    m.LoadedQuestionFile = p.path;
    m.QuestionLines = std::move(p.lines);
    m.QuestionLineCount = p.count;
    m.QuestionTable = std::move(p.table);
    m.EligibleCount = p.eligible;
    m.HistoryMovedFrom = std::move(p.movedFrom);
    m.Unsaved = false;
    return LoadOutcome::Loaded;
}

LoadOutcome LoadQuestionFile(Module1& m, const QString& questionFile)
{
    return TakeQuestionFile(m, PrepareQuestionFile(m.Ini, m.Settings.DisplayMode, questionFile));
}

StartupFiles ReadStartupFiles(const QString& iniPath)
{
    StartupFiles f;
    f.ini = IniFile(iniPath);
    f.ini.Read();
    if (!f.ini.Missing()) {
        f.ini.TakeSettings(f.settings);
        if (NamesAFile(f.settings.QuestionFile))
            f.questions =
                PrepareQuestionFile(f.ini, f.settings.DisplayMode, f.settings.QuestionFile);
    }
    // The bytes just read were the last large block; the window needs the
    // memory more than a later read does.
    ReleaseSpareBlock();
    return f;
}

void LoadMessageFile(const QString& path, QStringList& list, int& count)
{
    if (NamesAFile(path))
        ReadTextFile(path, list, count);
}

std::optional<ModeRules> RulesFor(Operation mode)
{
    switch (mode) {
    case Operation::WordButtons:
        return ModeRules{.controls = {.clear = true, .giveup = true, .check = false},
                         .shown = QuestionSide::Japanese,
                         .wordButtons = true,
                         .firstQuestionAtOnce = true,
                         .emptiedOnApply = false,
                         .check = CheckStep::Judge,
                         .returnBeforeAnswer = ReturnStep::Nothing};
    case Operation::PostcardJapaneseEnglish:
        return ModeRules{.controls = {.clear = false, .giveup = false, .check = true},
                         .shown = QuestionSide::Japanese,
                         .wordButtons = false,
                         .firstQuestionAtOnce = false,
                         .emptiedOnApply = true,
                         .check = CheckStep::RevealEnglish,
                         .returnBeforeAnswer = ReturnStep::Check};
    case Operation::PostcardEnglishJapanese:
        return ModeRules{.controls = {},
                         .shown = QuestionSide::English,
                         .wordButtons = false,
                         .firstQuestionAtOnce = false,
                         .emptiedOnApply = true,
                         .check = CheckStep::Nothing,
                         .returnBeforeAnswer = ReturnStep::Next};
    }
    return std::nullopt;
}

std::optional<ModeControls> ControlsFor(Operation mode)
{
    if (const auto rules = RulesFor(mode))
        return rules->controls;
    return std::nullopt;
}
