#pragma once

#include <QString>

// The program's text comparison: letter case, full-width and half-width forms,
// and hiragana and katakana are not told apart; blanks, punctuation and
// everything else count, and nothing is trimmed.

// The form in which two texts compare: compatibility-normalised, case-folded,
// katakana shifted to hiragana.
QString FoldForCompare(const QString& text);

bool TextEquals(const QString& a, const QString& b);
bool TextContains(const QString& haystack, const QString& needle);

// Index of the first character at or after from that compares equal to ch, or -1.
// Positions are those of the original text.
qsizetype TextIndexOfChar(const QString& text, QChar ch, qsizetype from);
