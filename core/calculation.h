// SPDX-License-Identifier: MIT
// The one calculation: an evaluated state checked and, when accepted, priced in full.
#pragma once

#include "core/calculation_state.h"
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/spread.h"
#include "core/stake_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace tenvo {

// Everything a bettor is shown for one press of the result button. The tables are filled only
// when the verdict is Accepted, and the stakes were not refused a spread. Money is counted in
// whole yen: the stakes as the stake window shows them (or as spread), their exact sum, and each
// payout exactly from the odds as typed.
struct PricedResult {
    using Amounts = std::array<Yen, kEntryCount>;

    CheckVerdict verdict;
    StakeTable stakes;              // the stake table's own figures, in binary32
    Amounts amounts{};              // each entry's stake in yen, as the stake window shows it
    Yen total = 0;                  // the total investment: the sum of the stakes shown
    Amounts payouts{};              // what each entry pays back if it wins
    Amounts profits{};              // what each entry brings in all if it wins: payout - total
    std::vector<int> losingEntries; // entries 1 to ItemCount whose payout shown is below the total
    std::optional<std::int64_t> combinedOddsHundredths; // the smallest payout over the total
    // For each entry of the bet with a positive stake, the lowest odds, in tenths, at which its
    // payout still covers the total investment; nothing for the others.
    std::array<std::optional<std::int64_t>, kEntryCount> breakEvenTenths{};
    Yen guaranteedPayout = 0; // the least payout of the entries in the bet

    std::optional<Spread> spread;         // how the stakes were spread; none: 1000 on the longest
    std::optional<SpreadRefusal> refusal; // why the spread found no stakes; the money stays 0
    Yen unspent = 0;                      // for a budget: what the stakes leave of it

    // Whether entry k (1 to 20) is among the losing entries.
    bool losing(int k) const {
        return std::find(losingEntries.begin(), losingEntries.end(), k) != losingEntries.end();
    }
    bool accepted() const { return verdict.outcome == CheckOutcome::Accepted; }
    bool operator==(const PricedResult&) const = default;
};

// What the bettor asks of the stakes: the stake table's own (nothing), a spread, or an amount
// that cannot be spread, which an accepted result carries instead of any money.
using SpreadAsked = std::variant<std::monostate, Spread, SpreadRefusal>;

// The result button on an evaluated state: CheckResult, and when it accepts, ComputeStakeTable
// and the money of every entry, its stakes spread as asked. Stops at the first failing step with
// a RuntimeError, what was written so far kept, as each step does.
PricedResult PriceResult(CalculationState& state, const SpreadAsked& asked = {});

// The whole road on a fresh state: the entry arrays the main window makes, the count, the odds
// window's EvaluateOdds on the twenty texts, then PriceResult. `state` ends as the road leaves
// it, also when a step fails.
PricedResult Calculate(Integer count, const OddsTexts& odds, CalculationState& state,
                       const SpreadAsked& asked = {});

} // namespace tenvo
