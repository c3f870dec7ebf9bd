// SPDX-License-Identifier: MIT
// Stakes in 100-yen steps that spread what the bettor chooses: a budget, a payout to aim for or
// a profit to aim for, the best stakes there are for it.
#pragma once

#include "core/number_text.h"
#include "core/profit_table.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tenvo {

enum class SpreadBy {
    Budget, // 予算: the most the stakes may add up to
    Payout, // 払戻額: what every winning entry must pay back at least
    Profit, // 儲け額: what every winning entry must win at least, the total taken off
};

// What the bettor asks of the stakes, instead of 1000 yen on the longest odds.
struct Spread {
    SpreadBy by = SpreadBy::Budget;
    Yen amount = 0;

    bool operator==(const Spread&) const = default;
};

inline constexpr Yen kStakeStep = 100;                 // the tote's smallest stake
inline constexpr Yen kAmountLimit = 1'000'000'000'000; // the most an amount or a total may be

// Why an amount cannot be spread, in Japanese, as the windows say it.
struct SpreadRefusal {
    std::string message;

    bool operator==(const SpreadRefusal&) const = default;
};

// The amount typed for a spread over `count` entries, read as a box is read ("10000",
// " １００００ ", "1E4"): a whole number of yen from 1 to kAmountLimit, and for a budget at least
// 100 yen for each entry.
std::variant<Spread, SpreadRefusal> ReadSpread(SpreadBy by, std::string_view amount, int count);

// The stakes in yen of the entries whose exact odds are given, each a multiple of 100 and at
// least 100, every payout counted exactly (odds x stake):
// - Payout: the least stakes whose payouts all reach the amount;
// - Budget: within the amount, the greatest guaranteed payout (the least payout of the
//   entries), then the least total that pays it;
// - Profit: the least total whose payouts all exceed it by the amount, then the greatest
//   guaranteed payout for that total. Refused when no stakes do it: when the sum of 1 / odds
//   is 1 or more, or the total would pass kAmountLimit.
// The odds are those of an accepted bet, each above 0.5 and below 100000.
std::variant<std::vector<Yen>, SpreadRefusal> SpreadStakes(const Spread& spread,
                                                           std::span<const DecimalNumber> odds);

} // namespace tenvo
