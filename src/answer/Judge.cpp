#include "answer/Judge.h"

#include "store/Questions.h"
#include "store/TextCompare.h"

JudgeRefusal JudgeRefusalFor(int questionLineCount, int wordButtonCount, Operation operationMode,
                             bool questionShown)
{
    if (questionLineCount < 1)
        return JudgeRefusal::NoFile;
    if (wordButtonCount < 1 && operationMode == Operation::WordButtons)
        return JudgeRefusal::NoWordButtons;
    if (operationMode == Operation::PostcardEnglishJapanese ||
        (operationMode == Operation::PostcardJapaneseEnglish && !questionShown))
        return JudgeRefusal::NoQuestion;
    return JudgeRefusal::None;
}

bool IsCorrectAnswer(const QString& answer, QStringView questionText)
{
    return TextEquals(answer, EnglishPart(questionText));
}

void RaiseCounter(int& counter)
{
    if (counter < MaxCounter)
        ++counter;
}
