#pragma once

#include "store/Settings.h"

#include <QString>

// Why a verdict cannot be given now, or None.
enum class JudgeRefusal
{
    None,
    NoFile,        // no question file loaded
    NoWordButtons, // word-button mode without word buttons
    NoQuestion,    // Japanese→English with no question on display, or English→Japanese
};

JudgeRefusal JudgeRefusalFor(int questionLineCount, int wordButtonCount, Operation operationMode,
                             bool questionShown);

// The answer is right when it equals the English part under the text comparison,
// taken exactly as it stands.
bool IsCorrectAnswer(const QString& answer, QStringView questionText);

// Raises a history counter by one; counters stop at their 16-bit limit.
void RaiseCounter(int& counter);
