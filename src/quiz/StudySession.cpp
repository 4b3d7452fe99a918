#include "quiz/StudySession.h"

#include "answer/Judge.h"
#include "answer/Shuffle.h"

StudySession::StudySession(Module1& state, QObject* parent) : QObject(parent), m(state) {}

LoadOutcome StudySession::Take(PreparedQuestions&& prepared)
{
    const LoadOutcome outcome = TakeQuestionFile(m, std::move(prepared));
    if (outcome == LoadOutcome::Loaded)
        emit tableReset();
    return outcome;
}

void StudySession::Drop()
{
    // Without a table the old counters are never saved under another name,
    // and there is nothing to move over. The records view the lines: they
    // lose their text with them.
    for (QuestionRecord& r : m.QuestionTable)
        r.Text = {};
    m.QuestionTable.clear();
    m.QuestionLines = TextLines();
    m.QuestionLineCount = -1;
    m.HistoryMovedFrom.clear();
    m.Unsaved = false;
    m.EligibleCount = 0;
    m.CurrentIndex = 1;
    m.CurrentNumber = 1;
    emit tableReset();
}

void StudySession::Shown(MoveResult result)
{
    if (result == MoveResult::Found)
        emit questionShown(m.CurrentIndex);
}

MoveResult StudySession::Start()
{
    const MoveResult result = StartMove(m);
    Shown(result);
    return result;
}

MoveResult StudySession::Next(std::optional<int> limit)
{
    const MoveResult result = NextMove(m, limit);
    Shown(result);
    return result;
}

MoveResult StudySession::Back()
{
    const MoveResult result = BackMove(m);
    Shown(result);
    return result;
}

bool StudySession::GoToLine(int line)
{
    for (int i = 1; i <= m.QuestionLineCount && i < static_cast<int>(m.QuestionTable.size()); ++i) {
        const QuestionRecord& r = m.QuestionTable[static_cast<size_t>(i)];
        if (r.LineNo != line)
            continue;
        if (!IsEligible(r, m.Settings.DisplayMode))
            return false;
        m.CurrentIndex = i;
        emit questionShown(i);
        return true;
    }
    return false;
}

std::optional<QuestionView> StudySession::Current() const
{
    if (!m.HoldsRecord(m.CurrentIndex))
        return std::nullopt;
    const QStringView text = m.Current().Text;
    const auto rules = Rules();
    QuestionView v;
    v.english = EnglishPart(text);
    v.question = rules && rules->shown == QuestionSide::English ? v.english : JapanesePart(text);
    v.wordButtons = rules && rules->wordButtons;
    return v;
}

std::optional<bool> StudySession::Judge(const QString& answer)
{
    QuestionRecord* r = m.CurrentRecord();
    if (!r)
        return std::nullopt;
    const bool correct = IsCorrectAnswer(answer, r->Text);
    RaiseCounter(correct ? r->CorrectCount : r->WrongCount);
    m.Unsaved = true;
    emit verdict(m.CurrentIndex, correct);
    emit recordChanged(m.CurrentIndex);
    return correct;
}

std::optional<QString> StudySession::GiveUp() const
{
    if (m.QuestionLineCount < 1)
        return std::nullopt;
    return EnglishPart(m.Current().Text);
}

void StudySession::Mix()
{
    ShuffleQuestions(m.QuestionLineCount, m.QuestionTable);
    m.CurrentIndex = 1;
    m.CurrentNumber = 1;
    emit tableReset();
}

void StudySession::Cleared()
{
    m.Unsaved = false;
    emit tableReset();
}
