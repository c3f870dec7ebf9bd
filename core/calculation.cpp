// SPDX-License-Identifier: MIT
// The calculation, each step one of the operations the windows' buttons are made of.
#include "core/calculation.h"

#include "core/odds_evaluation.h"

#include <algorithm>

namespace tenvo {

PricedResult PriceResult(CalculationState& state) {
    PricedResult result;
    result.verdict = CheckResult(state);
    if (!result.accepted())
        return result;
    result.stakes = ComputeStakeTable(state); // once per accepted result: odds become stakes
    const std::optional<std::int64_t> total = WholeAmount(Value(result.stakes.TotalAmount));
    std::optional<Long> smallestPayout;
    for (int k = 1; k <= kEntryCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const EntryReturn entry = EntryPayoutAndProfit(state, k);
        result.payouts[i] = entry.payout;
        result.profits[i] = entry.profit;
        if (k > state.ItemCount)
            continue; // not in the bet
        if (entry.profit < 0)
            result.losingEntries.push_back(k);
        smallestPayout = std::min(smallestPayout.value_or(entry.payout), entry.payout);
        if (const std::optional<std::int64_t> stake = WholeAmount(result.stakes.EntryAmounts[i]);
            stake && total)
            result.breakEvenTenths[i] = BreakEvenTenths(*stake, *total);
    }
    if (smallestPayout)
        result.combinedOddsHundredths = CombinedOddsHundredths(*smallestPayout, state.TotalStake);
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
