#include "answer/Judge.h"

#include "answer/TextCompare.h"
#include "store/Questions.h"

JudgeRefusal JudgeRefusalFor(int questionLineCount, int wordButtonCount, int operationMode,
                             bool questionShown)
{
    if (questionLineCount < 1)
        return JudgeRefusal::NoFile;
    if (wordButtonCount < 1 && operationMode == 0)
        return JudgeRefusal::NoWordButtons;
    if (operationMode == 2 || (operationMode == 1 && !questionShown))
        return JudgeRefusal::NoQuestion;
    return JudgeRefusal::None;
}

bool IsCorrectAnswer(const QString& answer, const QString& questionText)
{
    return TextEquals(answer, EnglishPart(questionText));
}

void RaiseCounter(int& counter)
{
    if (counter < MaxCounter)
        ++counter;
}
