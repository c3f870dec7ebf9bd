// SPDX-License-Identifier: MIT
// What the bettor gains or loses in all if a given entry wins.
#pragma once

#include "core/calculation_state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tenvo {

using ProfitTable = std::array<Long, kEntryCount>;

// (EnteredOdds(k) x EntryValues(k)) x 1000, what entry k pays back if it wins, each step in
// the type the Value rules give it, rounded half to even to a Long. Reads the state only.
Long EntryPayout(const CalculationState& state, int k);

// ((EnteredOdds(k) x EntryValues(k)) x 1000) - TotalStake, each step in the type the Value
// rules give it, rounded half to even to a Long. Reads the state only.
Long EntryProfit(const CalculationState& state, int k);

// EntryProfit for entries 1 to 20, in that order; the first failing entry stops it.
ProfitTable ComputeProfitTable(const CalculationState& state);

// The combined odds of a bet, payout / total, in hundredths rounded down exactly, so that it
// never promises more than the bet pays; nothing for a total of 0.
std::optional<std::int64_t> CombinedOddsHundredths(Long payout, Single total);

} // namespace tenvo
