#pragma once

#include "store/Questions.h"

#include <QStringList>
#include <functional>

// The random-swap shuffle: n steps, each drawing r1 and r2 in [0, 1) and
// swapping entries round(n * r1) and round(n * r2) (halves to even) unless
// either is 0. Entry 0 is never touched. The generator is reseeded from the
// clock at every call.

// n * r rounded to the nearest integer, halves going to the even neighbour.
int SwapIndex(int n, double r);

void ShuffleStrings(int count, QStringList& list);
void ShuffleQuestions(int count, QuestionList& table);

// The same walk with a given source of r values, so the steps can be checked.
void RandomSwapSteps(int count, const std::function<double()>& random,
                     const std::function<void(int, int)>& swap);
