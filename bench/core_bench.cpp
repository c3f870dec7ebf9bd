// SPDX-License-Identifier: MIT
// The core's speed: a whole 20-entry calculation, and text conversion alone.
#include "core/calculation.h"
#include "core/number_text.h"
#include "core/spread.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tenvo;

const OddsTexts kOdds = {"41", "38.5", "45", "52", "47.5", "60", "39", "44", "58", "40",
                         "43", "49",   "55", "42", "46",   "51", "48", "57", "53", "50"};

CalculationState Loaded() {
    CalculationState state;
    CreateEntryArrays(state);
    state.ItemCount = 20;
    return state;
}

// Evaluate, check, price and profit on a fresh state, as tenvo-calc does for every request.
void WholeCalculation(benchmark::State& run) {
    CalculationState state;
    for (auto _ : run) {
        const PricedResult result = Calculate(20, kOdds, state);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(WholeCalculation);

// Spreading an amount over 20 entries, the stakes alone: a budget, a payout, a profit.
void SpreadOver20(benchmark::State& run) {
    std::vector<DecimalNumber> odds;
    for (const std::string& text : kOdds)
        odds.push_back(ReadDecimal(text));
    const Spread spread{static_cast<SpreadBy>(run.range(0)), run.range(1)};
    for (auto _ : run)
        benchmark::DoNotOptimize(SpreadStakes(spread, odds));
}
BENCHMARK(SpreadOver20)
    ->ArgNames({"by", "yen"})
    ->Args({static_cast<int>(SpreadBy::Budget), 100'000})
    ->Args({static_cast<int>(SpreadBy::Budget), 1'000'000'000})
    ->Args({static_cast<int>(SpreadBy::Payout), 100'000})
    ->Args({static_cast<int>(SpreadBy::Profit), 10'000})
    ->Args({static_cast<int>(SpreadBy::Profit), 1'000'000'000});

// The whole calculation with a budget spread, as tenvo-calc makes it for such a request.
void WholeCalculationWithABudget(benchmark::State& run) {
    CalculationState state;
    const Spread budget{SpreadBy::Budget, 100'000};
    for (auto _ : run) {
        const PricedResult result = Calculate(20, kOdds, state, budget);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(WholeCalculationWithABudget);

// The copy a window makes before each press, so that a failing press changes nothing.
void StateCopy(benchmark::State& run) {
    const CalculationState loaded = Loaded();
    for (auto _ : run) {
        CalculationState state = loaded;
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(StateCopy);

void ParseOdds(benchmark::State& run) {
    for (auto _ : run)
        for (const std::string& text : kOdds)
            benchmark::DoNotOptimize(ParseDouble(text));
    run.SetItemsProcessed(run.iterations() * kEntryCount);
}
BENCHMARK(ParseOdds);

void SingleToText(benchmark::State& run) {
    const Single values[] = {2400.0f, 7.0f / 3.0f, 95000.01f, 1.6f * 1000.0f, 19001000.0f};
    for (auto _ : run)
        for (const Single value : values)
            benchmark::DoNotOptimize(ToText(value));
    run.SetItemsProcessed(run.iterations() * 5);
}
BENCHMARK(SingleToText);

} // namespace

BENCHMARK_MAIN();
