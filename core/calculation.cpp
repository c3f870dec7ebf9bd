// SPDX-License-Identifier: MIT
// The calculation, each step one of the operations the windows' buttons are made of.
#include "core/calculation.h"

#include "core/odds_evaluation.h"
#include "core/run_time_error.h"

#include <algorithm>

namespace tenvo {

PricedResult PriceResult(CalculationState& state) {
    PricedResult result;
    result.verdict = CheckResult(state);
    if (!result.accepted())
        return result;
    result.stakes = ComputeStakeTable(state); // once per accepted result: odds become stakes
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        result.amounts[i] = ShownYen(result.stakes.EntryAmounts[i]);
        result.total += result.amounts[i];
    }
    std::optional<Yen> smallestPayout;
    for (int k = 1; k <= kEntryCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const Yen payout = AtEntry(
            k, [&] { return state.EnteredOdds.at(k).text(); },
            [&] { return PayoutOf(state.EnteredOdds.at(k), result.amounts[i]); });
        result.payouts[i] = payout;
        result.profits[i] = payout - result.total;
        if (k > state.ItemCount)
            continue;              // not in the bet
        if (result.profits[i] < 0) // the row's own figures say it loses
            result.losingEntries.push_back(k);
        smallestPayout = std::min(smallestPayout.value_or(payout), payout);
        result.breakEvenTenths[i] = BreakEvenTenths(result.amounts[i], result.total);
    }
    if (smallestPayout)
        result.combinedOddsHundredths = CombinedOddsHundredths(*smallestPayout, result.total);
    return result;
}

PricedResult Calculate(Integer count, const OddsTexts& odds, CalculationState& state) {
    state = CalculationState();
    CreateEntryArrays(state);
    state.ItemCount = count;
    EvaluateOdds(odds, state);
    return PriceResult(state);
}

} // namespace tenvo
