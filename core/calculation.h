// SPDX-License-Identifier: MIT
// The one calculation: an evaluated state checked and, when accepted, priced in full.
#pragma once

#include "core/calculation_state.h"
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/stake_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tenvo {

// Everything a bettor is shown for one press of the result button. The tables are filled only
// when the verdict is Accepted.
struct PricedResult {
    CheckVerdict verdict;
    StakeTable stakes;              // each entry's amount and the total investment
    ProfitTable profits{};          // what each entry brings in all if it wins
    PayoutTable payouts{};          // what each entry pays back if it wins
    std::vector<int> losingEntries; // entries 1 to ItemCount whose win still loses money
    std::optional<std::int64_t> combinedOddsHundredths; // the smallest payout over the total
    // For each entry of the bet with a positive stake, the lowest odds, in tenths, at which its
    // payout still covers the total investment; nothing for the others.
    std::array<std::optional<std::int64_t>, kEntryCount> breakEvenTenths{};

    bool accepted() const { return verdict.outcome == CheckOutcome::Accepted; }
    bool operator==(const PricedResult&) const = default;
};

// The result button on an evaluated state: CheckResult, and when it accepts, ComputeStakeTable
// and every entry's payout and profit. Stops at the first failing step with a RuntimeError,
// what was written so far kept, as each step does.
PricedResult PriceResult(CalculationState& state);

// The whole road on a fresh state: the entry arrays the main window makes, the count, the odds
// window's EvaluateOdds on the twenty texts, then PriceResult. `state` ends as the road leaves
// it, also when a step fails.
PricedResult Calculate(Integer count, const OddsTexts& odds, CalculationState& state);

} // namespace tenvo
