#include "quiz/Progress.h"

QuestionState StateOf(const QuestionRecord& r)
{
    if (r.Length <= 0)
        return QuestionState::Gap;
    if (r.CorrectCount == 0 && r.WrongCount == 0)
        return QuestionState::NeverTried;
    if (r.CorrectCount == 0)
        return QuestionState::OnlyWrong;
    return r.WrongCount == 0 ? QuestionState::OnlyCorrect : QuestionState::CorrectAndWrong;
}

QString StateName(QuestionState state)
{
    switch (state) {
    case QuestionState::Gap:
        return QStringLiteral("空行");
    case QuestionState::NeverTried:
        return QStringLiteral("未回答");
    case QuestionState::OnlyWrong:
        return QStringLiteral("誤答のみ");
    case QuestionState::CorrectAndWrong:
        return QStringLiteral("正解と誤答");
    case QuestionState::OnlyCorrect:
        return QStringLiteral("正解のみ");
    }
    return QString();
}

StudyTotals TotalsOf(const QuestionList& table, int count)
{
    StudyTotals t;
    for (int i = 1; i <= count && i < static_cast<int>(table.size()); ++i) {
        switch (StateOf(table[static_cast<size_t>(i)])) {
        case QuestionState::Gap:
            continue;
        case QuestionState::NeverTried:
            ++t.neverTried;
            break;
        case QuestionState::OnlyWrong:
            ++t.tried;
            ++t.neverCorrectButTried;
            break;
        case QuestionState::CorrectAndWrong:
        case QuestionState::OnlyCorrect:
            ++t.tried;
            ++t.correctAtLeastOnce;
            break;
        }
        ++t.questions;
    }
    return t;
}
