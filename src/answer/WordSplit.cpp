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

WordFlow FlowWordButtons(const std::vector<int>& widths, const QRect& area, int height, int gap)
{
    WordFlow flow;
    int x = area.left();
    int y = area.top();
    for (const int w : widths) {
        const int width = std::min(w, area.width());
        if (x > area.left() && x + width > area.left() + area.width()) {
            x = area.left();
            y += height + gap;
        }
        flow.rects.emplace_back(x, y, width, height);
        x += width + gap;
    }
    flow.fits = flow.rects.empty() || flow.rects.back().bottom() <= area.bottom();
    return flow;
}

std::optional<QString> TakeBackWord(const QString& answer, const QString& word)
{
    if (!TextContains(answer, word))
        return std::nullopt;
    return answer.left(std::max<qsizetype>(0, answer.size() - word.size()));
}
