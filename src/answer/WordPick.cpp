#include "answer/WordPick.h"

#include "store/TextCompare.h"

namespace {

QString WithoutLeadingBlanks(const QString& word)
{
    qsizetype i = 0;
    while (i < word.size() && TextIndexOfChar(word.mid(i, 1), QLatin1Char(' '), 0) == 0)
        ++i;
    return word.mid(i);
}

} // namespace

void WordPicker::SetWords(const QStringList& words)
{
    folded = QStringList{QString()};
    for (qsizetype i = 1; i < words.size(); ++i)
        folded << FoldForCompare(WithoutLeadingBlanks(words[i]));
    used.assign(static_cast<size_t>(folded.size()), false);
    typed.clear();
}

void WordPicker::SetUsed(int index, bool isUsed)
{
    if (index >= 1 && index < static_cast<int>(used.size()))
        used[static_cast<size_t>(index)] = isUsed;
}

std::vector<int> WordPicker::Matching(const QString& prefix) const
{
    std::vector<int> out;
    if (prefix.isEmpty())
        return out;
    for (qsizetype i = 1; i < folded.size(); ++i) {
        if (!used[static_cast<size_t>(i)] && folded[i].startsWith(prefix))
            out.push_back(static_cast<int>(i));
    }
    return out;
}

std::vector<int> WordPicker::Candidates() const
{
    return Matching(FoldForCompare(typed));
}

WordPicker::Result WordPicker::Decide()
{
    Result r;
    r.candidates = Candidates();
    if (r.candidates.empty())
        return r;
    // Words that read the same are one choice: any of them will do.
    const QString& first = folded[r.candidates.front()];
    for (const int i : r.candidates) {
        if (folded[i] != first)
            return r;
    }
    r.chosen = r.candidates.front();
    typed.clear();
    return r;
}

WordPicker::Result WordPicker::Type(QChar letter)
{
    const QString longer = typed + letter;
    if (Matching(FoldForCompare(longer)).empty()) {
        Result r;
        r.candidates = Candidates();
        return r;
    }
    typed = longer;
    return Decide();
}

WordPicker::Result WordPicker::Confirm()
{
    Result r;
    r.candidates = Candidates();
    const QString whole = FoldForCompare(typed);
    for (const int i : r.candidates) {
        if (folded[i] == whole) {
            r.chosen = i;
            typed.clear();
            return r;
        }
    }
    return r;
}

WordPicker::Result WordPicker::Erase()
{
    typed.chop(1);
    Result r;
    r.candidates = Candidates();
    return r;
}
