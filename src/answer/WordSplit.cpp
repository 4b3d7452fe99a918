#include "answer/WordSplit.h"

#include "store/TextCompare.h"
#include "store/Yield.h"

QStringList SplitWords(const QString& text, bool* hasTab)
{
    const qsizetype p = text.indexOf(QLatin1Char('\t'));
    if (hasTab)
        *hasTab = p >= 0;
    QStringList words;
    if (p < 0)
        return words;
    qsizetype e = 0;
    while (e < p) {
        qsizetype f = TextIndexOfChar(text, QLatin1Char(' '), e + 1);
        if (f < 0 || f > p)
            f = p;
        words.append(text.mid(e, f - e));
        e = f;
        YieldToWindow();
    }
    return words;
}

QPoint WordButtonPosition(int i)
{
    int left = 440;
    int top = 2340;
    static constexpr int columnStarts[] = {9, 17, 25, 33, 41};
    for (int k = 0; k < 5; ++k) {
        if (i >= columnStarts[k])
            left = 2640 + 2200 * k;
    }
    const int firstInColumn = i >= 41 ? 41 : ((i - 1) / 8) * 8 + 1;
    top += 400 * (i - firstInColumn + 1);
    return {left, top};
}

std::optional<QString> TakeBackWord(const QString& answer, const QString& word)
{
    if (!TextContains(answer, word))
        return std::nullopt;
    return answer.left(std::max<qsizetype>(0, answer.size() - word.size()));
}
