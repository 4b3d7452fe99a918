#include "quiz/Selection.h"

#include "store/Yield.h"

namespace {

bool KnownDisplayMode(DisplayFilter displayMode)
{
    switch (displayMode) {
    case DisplayFilter::All:
    case DisplayFilter::NotYetCorrect:
    case DisplayFilter::AnsweredWrongly:
        return true;
    }
    return false;
}

bool EligibleAt(const Module1& m, int p)
{
    return m.HoldsRecord(p) &&
           IsEligible(m.QuestionTable[static_cast<size_t>(p)], m.Settings.DisplayMode);
}

} // namespace

bool IsEligible(const QuestionRecord& r, DisplayFilter displayMode)
{
    switch (displayMode) {
    case DisplayFilter::All:
        return r.Length > 0;
    case DisplayFilter::NotYetCorrect:
        return r.Length > 0 && r.CorrectCount == 0;
    case DisplayFilter::AnsweredWrongly:
        return r.Length > 0 && r.WrongCount >= 1;
    }
    return false;
}

int CountEligible(const QuestionList& table, int count, DisplayFilter displayMode, bool hasSection)
{
    if (!hasSection)
        return CountQuestions(table, count);
    if (!KnownDisplayMode(displayMode))
        return 0;
    int n = 0;
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        if (IsEligible(table[static_cast<size_t>(i)], displayMode))
            ++n;
    }
    return n;
}

int ForwardScan(Module1& m, int from)
{
    int p = from;
    m.CurrentIndex = p;
    if (!KnownDisplayMode(m.Settings.DisplayMode))
        return p;
    while (p <= m.QuestionLineCount && !EligibleAt(m, p)) {
        m.CurrentIndex = p + 1;
        YieldToWindow();
        p = m.CurrentIndex;
    }
    return p;
}

int BackwardScan(Module1& m, int from)
{
    int p = from;
    m.CurrentIndex = p;
    if (!KnownDisplayMode(m.Settings.DisplayMode))
        return p;
    while (p >= 1 && !EligibleAt(m, p)) {
        m.CurrentIndex = p - 1;
        YieldToWindow();
        p = m.CurrentIndex;
    }
    return p;
}

MoveResult StartMove(Module1& m)
{
    if (m.QuestionLineCount < 1)
        return MoveResult::NoFile;
    if (m.EligibleCount < 1)
        return MoveResult::NothingEligible;
    const int p = ForwardScan(m, m.CurrentIndex);
    return p > m.QuestionLineCount ? MoveResult::PastEnd : MoveResult::Found;
}

MoveResult NextMove(Module1& m, std::optional<int> limit)
{
    if (m.EligibleCount < 1)
        return MoveResult::NoFile;
    if (m.Settings.LimitQuestionCount == 1 && limit && m.CurrentNumber >= *limit)
        return MoveResult::AtLimit;
    if (m.CurrentNumber > m.EligibleCount || m.CurrentNumber >= 32767)
        return MoveResult::Exhausted;
    // Already past the last record: stay one past it instead of walking on
    // through positions that hold nothing.
    if (m.CurrentIndex > m.QuestionLineCount)
        return MoveResult::PastEnd;
    m.CurrentNumber += 1;
    const int p = ForwardScan(m, m.CurrentIndex + 1);
    return p > m.QuestionLineCount ? MoveResult::PastEnd : MoveResult::Found;
}

MoveResult BackMove(Module1& m)
{
    if (m.EligibleCount < 1)
        return MoveResult::NoFile;
    if (m.CurrentNumber <= 1)
        return MoveResult::AtFirst;
    const int oldIndex = m.CurrentIndex;
    const int oldNumber = m.CurrentNumber;
    m.CurrentNumber -= 1;
    const int p = BackwardScan(m, m.CurrentIndex - 1);
    if (p < 1) {
        m.CurrentIndex = oldIndex;
        m.CurrentNumber = oldNumber;
        return MoveResult::NoneBefore;
    }
    return MoveResult::Found;
}
