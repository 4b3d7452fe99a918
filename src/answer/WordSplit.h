#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The words of a question's English part, in sentence order: each word but the
// first keeps the blank before it, so the words joined give the sentence back.
// Blanks are found under the text comparison (a full-width blank is a blank).
// A line without a TAB has no words to offer (empty list, and hasTab false).
QStringList SplitWords(const QString& text, bool* hasTab = nullptr);

// Where word button i (from 1) goes, in twips: columns of eight, 2200 apart,
// rows 400 apart from Top 2740; the sixth column grows downward.
QPoint WordButtonPosition(int i);

// The designed grid holds this many word buttons; a longer sentence flows.
inline constexpr int WordGridCapacity = 32;

// Where the word buttons of a longer sentence go, in pixels: rows filled left
// to right with buttons as wide as their captions (widths) and height high,
// gap apart, starting at the top left of area. fits says whether every row
// lies within area; when it does not, the rows go on below it.
struct WordFlow
{
    std::vector<QRect> rects;
    bool fits = true;
};
WordFlow FlowWordButtons(const std::vector<int>& widths, const QRect& area, int height, int gap);

// Taking a used word back drops as many characters as the word has from the end
// of the answer, wherever the word occurs in it; nullopt when it does not occur.
std::optional<QString> TakeBackWord(const QString& answer, const QString& word);
