// SPDX-License-Identifier: MIT
// The money of a priced bet, in whole yen and exact: what an entry pays back if it wins, and the
// figures a bettor checks before paying.
#pragma once

#include "core/value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tenvo {

// An amount of money in whole yen.
using Yen = std::int64_t;

// The text a box shows for an amount: its digits, "-" first when it is negative.
inline std::string ToText(Yen amount) { return std::to_string(amount); }

// A count of tenths or hundredths written as a decimal with that many places: "1.32", "-0.5",
// as the break-even and combined odds are shown.
std::string DecimalText(std::int64_t count, int decimals);

// The odds times a stake in yen, computed exactly and rounded half to even to whole yen where it
// has a fraction. Odds typed as text count as the decimal written, however many digits it has;
// odds held as a number count as its exact value. Overflow beyond 64 bits.
Yen PayoutOf(const Value& odds, Yen stake);

// An amount as the windows show it, in whole yen (an amount shown with a fraction is rounded
// half to even).
Yen ShownYen(const Value& amount);

// The lowest odds, in tenths (the tote's step), at which a stake pays back at least the total:
// ceil(10 x total / stake); nothing unless the stake is positive.
std::optional<std::int64_t> BreakEvenTenths(Yen stake, Yen total);

// The combined odds of a bet, payout / total, in hundredths rounded down, so that it never
// promises more than the bet pays; nothing for a total of 0.
std::optional<std::int64_t> CombinedOddsHundredths(Yen payout, Yen total);

} // namespace tenvo
