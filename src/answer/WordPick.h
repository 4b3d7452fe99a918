#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Choosing word buttons by typing. The typed letters are matched against the
// start of each unused word (its leading blank ignored; case, width and kana
// ignored as the answer check does). A word is chosen only when the letters
// name it alone, or when Space confirms the one that equals them whole.
class WordPicker
{
public:
    // What a key did.
    struct Result
    {
        std::vector<int> candidates; // indices of the unused words that match
        int chosen = 0;              // the word to choose now, or 0
    };

    // words[i] for i from 1 is button i's word; used[i] says it is in the answer.
    void SetWords(const QStringList& words);
    void SetUsed(int index, bool used);

    const QString& Typed() const { return typed; }
    // Adds a letter. A letter that no unused word goes on with is refused: the
    // typed text stays as it was.
    Result Type(QChar letter);
    // Space: the candidate that equals the typed letters whole, if any.
    Result Confirm();
    // Takes the last typed letter off.
    Result Erase();
    // Escape, or a word chosen another way: forgets the typed letters.
    void Forget() { typed.clear(); }
    // The candidates for the typed letters as they stand.
    std::vector<int> Candidates() const;

private:
    std::vector<int> Matching(const QString& folded) const;
    Result Decide();

    QStringList folded{QString()}; // each word without its leading blanks, folded
    std::vector<bool> used{false};
    QString typed;
};
