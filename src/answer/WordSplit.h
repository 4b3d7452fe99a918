#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// The words of a question's English part, in sentence order: each word but the
// first keeps the blank before it, so the words joined give the sentence back.
// Blanks are found under the text comparison (a full-width blank is a blank).
// A line without a TAB has no words to offer (empty list, and hasTab false).
QStringList SplitWords(const QString& text, bool* hasTab = nullptr);

// Where word button i (from 1) goes, in twips: columns of eight, 2200 apart,
// rows 400 apart from Top 2740; the sixth column grows downward.
QPoint WordButtonPosition(int i);

// Taking a used word back drops as many characters as the word has from the end
// of the answer, wherever the word occurs in it; nullopt when it does not occur.
std::optional<QString> TakeBackWord(const QString& answer, const QString& word);
