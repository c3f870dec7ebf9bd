// SPDX-License-Identifier: MIT
// What the bettor gets back, and gains or loses in all, if a given entry wins.
#pragma once

#include "core/calculation_state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tenvo {

using ProfitTable = std::array<Long, kEntryCount>;
using PayoutTable = std::array<Long, kEntryCount>;

struct EntryReturn {
    Long payout; // (EnteredOdds(k) x EntryValues(k)) x 1000
    Long profit; // the payout less TotalStake
};

// Entry k's payout, computed once, and its profit taken from it: ((EnteredOdds(k) x
// EntryValues(k)) x 1000) - TotalStake, each step in the type the Value rules give it, each
// figure rounded half to even to a Long, the profit first. Reads the state only.
EntryReturn EntryPayoutAndProfit(const CalculationState& state, int k);

// The profit alone, as the profit window shows it.
Long EntryProfit(const CalculationState& state, int k);

// An amount as the windows show it, in whole currency units; nothing when the text shown is
// not a whole number.
std::optional<std::int64_t> WholeAmount(const Value& amount);

// The lowest odds, in tenths (the tote's step), at which a stake pays back at least the total:
// ceil(10 x total / stake), exact in integers; nothing unless the stake is positive.
std::optional<std::int64_t> BreakEvenTenths(std::int64_t stake, std::int64_t total);

// The combined odds of a bet, payout / total, in hundredths rounded down exactly, so that it
// never promises more than the bet pays; nothing for a total of 0.
std::optional<std::int64_t> CombinedOddsHundredths(Long payout, Single total);

} // namespace tenvo
