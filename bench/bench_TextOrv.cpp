#include <benchmark/benchmark.h>

#include "controls/input/TextOrvKeyFilter.h"
#include "controls/input/TextOrvLimit.h"
#include "controls/input/TextOrvNormaliser.h"

namespace
{

// One keystroke into a decimal box that already holds a long number: the filter
// reads the range and the candidate value every time.
void keystrokeFilterDecimal(benchmark::State &state)
{
    const TextOrvKeyContext box{1, QStringLiteral("12345678.9"), 10,
                                QStringLiteral("0:99999999999")};
    for (auto _ : state)
        benchmark::DoNotOptimize(TextOrvKeyFilter::filter('7', box));
}
BENCHMARK(keystrokeFilterDecimal);

void keystrokeFilterDigitString(benchmark::State &state)
{
    const TextOrvKeyContext box{4, QStringLiteral("98765"), 5, TextOrvLimit::defaultLimit};
    for (auto _ : state)
        benchmark::DoNotOptimize(TextOrvKeyFilter::filter('4', box));
}
BENCHMARK(keystrokeFilterDigitString);

void leaveBox(benchmark::State &state, int textType, const QString &text)
{
    const TextOrvRules rules{textType, QStringLiteral("0:1000000"), 2, 2};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TextOrvNormaliser::normalise(TextOrvNormaliser::Occasion::LeavingBox, rules, text));
}
BENCHMARK_CAPTURE(leaveBox, freeTextProperCase, 0, QStringLiteral("new delhi (south).gate"));
BENCHMARK_CAPTURE(leaveBox, decimal, 1, QStringLiteral("12345.675"));
BENCHMARK_CAPTURE(leaveBox, integer, 2, QStringLiteral("-2.5"));
BENCHMARK_CAPTURE(leaveBox, date, 3, QStringLiteral("31-12-75"));
BENCHMARK_CAPTURE(leaveBox, mobileNumber, 4, QStringLiteral("9876543210"));
BENCHMARK_CAPTURE(leaveBox, codeWithZeros, 4, QStringLiteral("007"));

} // namespace

BENCHMARK_MAIN();
