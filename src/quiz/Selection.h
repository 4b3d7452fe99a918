#pragma once

#include "quiz/Module1.h"
#include "store/Questions.h"
#include "store/Settings.h"

#include <optional>

// Which questions the display mode lets through, and the Start, Next and Back
// moves over QuestionTable. Eligibility is tested record by record as the
// position moves, so an answer given in between counts at the next move.

// All: every question; NotYetCorrect: those never answered correctly;
// AnsweredWrongly: those answered wrongly. Any other display mode makes no test
// (see the scans).
bool IsEligible(const QuestionRecord& r, DisplayFilter displayMode);

// The eligible count fixed at load. A file never studied (no history section)
// counts every question, whatever the display mode.
int CountEligible(const QuestionList& table, int count, DisplayFilter displayMode, bool hasSection);

// The scans move CurrentIndex as they go and yield to the window after each
// record passed over. They return where they stopped: the first eligible record
// at or after (before) the start, or QuestionLineCount + 1 (0) when there is none.
// Positions that hold no record are never eligible.
int ForwardScan(Module1& m, int from);
int BackwardScan(Module1& m, int from);

enum class MoveResult
{
    Found,
    PastEnd,         // the forward scan ran past the last record
    NoFile,          // no question file (or, for Next and Back, nothing eligible)
    NothingEligible, // Start only: a file, but nothing eligible
    AtLimit,         // Next: the question limit is reached
    Exhausted,       // Next: as many questions asked as are eligible
    AtFirst,         // Back: on the first question
    NoneBefore,      // Back: nothing eligible before; positions restored
};

MoveResult StartMove(Module1& m);
// limit is the number in the question-limit box, when it holds one.
MoveResult NextMove(Module1& m, std::optional<int> limit);
MoveResult BackMove(Module1& m);
