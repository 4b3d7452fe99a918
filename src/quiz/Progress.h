#pragma once

#include "store/Questions.h"

#include <QString>

// How far a question has come, from its counters.
enum class QuestionState
{
    Gap,             // an empty line: no question
    NeverTried,      // never answered
    OnlyWrong,       // answered, never correctly
    CorrectAndWrong, // answered correctly and wrongly
    OnlyCorrect,     // answered, never wrongly
};

QuestionState StateOf(const QuestionRecord& r);
// The state in words, as the 学習状況 window shows it.
QString StateName(QuestionState state);

// The totals of a question table (records 1..count).
struct StudyTotals
{
    int questions = 0;            // lines that hold a question
    int tried = 0;                // answered at least once
    int correctAtLeastOnce = 0;   // answered correctly at least once
    int neverCorrectButTried = 0; // answered, but never correctly
    int neverTried = 0;
};

StudyTotals TotalsOf(const QuestionList& table, int count);
