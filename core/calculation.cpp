// SPDX-License-Identifier: MIT
// The calculation, each step one of the operations the windows' buttons are made of.
#include "core/calculation.h"

#include "core/number_text.h"
#include "core/odds_evaluation.h"
#include "core/run_time_error.h"

#include <algorithm>

namespace tenvo {

namespace {

// The stakes in yen of the entries in the bet, spread as asked from their odds as typed; false
// when the spread finds none.
bool SpreadAmounts(const CalculationState& state, const Spread& spread, PricedResult& result) {
    std::array<DecimalNumber, kEntryCount> odds;
    const auto count = static_cast<std::size_t>(state.ItemCount);
    for (std::size_t i = 0; i < count; ++i)
        odds[i] = ReadDecimal(ToText(state.EnteredOdds.at(static_cast<int>(i) + 1)));
    auto stakes = SpreadStakes(spread, std::span(odds.data(), count));
    if (auto* refusal = std::get_if<SpreadRefusal>(&stakes)) {
        result.refusal = std::move(*refusal);
        return false;
    }
    const auto& yen = std::get<std::vector<Yen>>(stakes);
    std::copy(yen.begin(), yen.end(), result.amounts.begin());
    return true;
}

} // namespace

PricedResult PriceResult(CalculationState& state, const SpreadAsked& asked) {
    PricedResult result;
    result.verdict = CheckResult(state);
    if (!result.accepted())
        return result;
    result.stakes = ComputeStakeTable(state); // once per accepted result: odds become stakes
    if (const auto* refusal = std::get_if<SpreadRefusal>(&asked)) {
        result.refusal = *refusal;
        return result;
    }
    if (const Spread* spread = std::get_if<Spread>(&asked)) {
        result.spread = *spread;
        if (!SpreadAmounts(state, *spread, result))
            return result;
    } else {
        for (std::size_t i = 0; i < kEntryCount; ++i)
            result.amounts[i] = ShownYen(result.stakes.EntryAmounts[i]);
    }
    for (const Yen amount : result.amounts)
        result.total += amount;
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
    if (smallestPayout) {
        result.guaranteedPayout = *smallestPayout;
        result.combinedOddsHundredths = CombinedOddsHundredths(*smallestPayout, result.total);
    }
    if (result.spread && result.spread->by == SpreadBy::Budget)
        result.unspent = result.spread->amount - result.total;
    return result;
}

PricedResult Calculate(Integer count, const OddsTexts& odds, CalculationState& state,
                       const SpreadAsked& asked) {
    state = CalculationState();
    CreateEntryArrays(state);
    state.ItemCount = count;
    EvaluateOdds(odds, state);
    return PriceResult(state, asked);
}

} // namespace tenvo
