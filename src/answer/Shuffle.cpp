#include "answer/Shuffle.h"

#include <QDateTime>
#include <cmath>
#include <random>
#include <utility>

int SwapIndex(int n, double r)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(n) * r));
}

void RandomSwapSteps(int count, const std::function<double()>& random,
                     const std::function<void(int, int)>& swap)
{
    const int n = count;
    for (int k = 1; k <= n; ++k) {
        const int a = SwapIndex(n, random());
        const int b = SwapIndex(n, random());
        if (a != 0 && b != 0 && a != b)
            swap(a, b);
    }
}

namespace {

void ClockSeededSteps(int count, const std::function<void(int, int)>& swap)
{
    std::mt19937_64 gen(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                        std::random_device{}());
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    RandomSwapSteps(
        count, [&] { return uniform(gen); }, swap);
}

} // namespace

void ShuffleStrings(int count, QStringList& list)
{
    count = std::min(count, static_cast<int>(list.size()) - 1);
    ClockSeededSteps(count, [&](int a, int b) { list.swapItemsAt(a, b); });
}

void ShuffleQuestions(int count, QuestionList& table)
{
    count = std::min(count, static_cast<int>(table.size()) - 1);
    ClockSeededSteps(count, [&](int a, int b) {
        std::swap(table[static_cast<size_t>(a)], table[static_cast<size_t>(b)]);
    });
}
