// SPDX-License-Identifier: MIT
// Spreading a budget, a payout or a profit: checked against every stake there is on small bets.
// What the best stakes must satisfy on large bets the odds fuzzer checks.
#include "core/spread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace tenvo {
namespace {

// Odds of one decimal as the tote shows them, held in tenths so that money stays exact: a stake
// of k hundreds on odds of t tenths pays 10 k t yen.
using Tenths = std::vector<Yen>;

std::variant<std::vector<Yen>, SpreadRefusal> Spreading(SpreadBy by, Yen amount,
                                                        const Tenths& tenths) {
    std::vector<DecimalNumber> odds;
    for (const Yen t : tenths)
        odds.push_back(ReadDecimal(std::to_string(t / 10) + "." + std::to_string(t % 10)));
    return SpreadStakes({by, amount}, odds);
}

// How the rules rank stakes (in hundreds) that meet what the bettor asked, the greater the
// better; nothing for stakes that miss it. A budget must not be passed, and wants the greatest
// guaranteed payout (the least payout), then the least total; every payout must reach a payout
// asked, or beat the total by a profit asked, and those want the least total, then the greatest
// guaranteed payout.
std::optional<std::pair<Yen, Yen>> Rank(SpreadBy by, Yen amount, const std::vector<Yen>& hundreds,
                                        const Tenths& tenths) {
    Yen total = 0, guaranteed = std::numeric_limits<Yen>::max();
    for (std::size_t i = 0; i < hundreds.size(); ++i) {
        total += 100 * hundreds[i];
        guaranteed = std::min(guaranteed, 10 * hundreds[i] * tenths[i]);
    }
    if (by == SpreadBy::Budget)
        return total <= amount ? std::optional(std::pair(guaranteed, -total)) : std::nullopt;
    const bool meets = by == SpreadBy::Payout ? guaranteed >= amount : guaranteed - total >= amount;
    return meets ? std::optional(std::pair(-total, guaranteed)) : std::nullopt;
}

// The best of every stake vector of at most `most` hundreds in all, and whether another ranks
// the same.
struct Best {
    std::vector<Yen> hundreds; // empty: none meets the amount
    std::pair<Yen, Yen> rank;
    bool tied = false;
};

void Search(SpreadBy by, Yen amount, const Tenths& tenths, Yen most, std::vector<Yen>& hundreds,
            Best& best) {
    if (hundreds.size() == tenths.size()) {
        if (const auto rank = Rank(by, amount, hundreds, tenths)) {
            if (best.hundreds.empty() || *rank > best.rank)
                best = {hundreds, *rank, false};
            else if (*rank == best.rank)
                best.tied = true;
        }
        return;
    }
    const Yen used = std::accumulate(hundreds.begin(), hundreds.end(), Yen{0});
    const Yen left = most - used - static_cast<Yen>(tenths.size() - hundreds.size() - 1);
    for (Yen k = 1; k <= left; ++k) {
        hundreds.push_back(k);
        Search(by, amount, tenths, most, hundreds, best);
        hundreds.pop_back();
    }
}

// The whole search, over every vector up to `most` hundreds, against the spread's answer.
TEST(Spread, NoStakesAreBetterOnSmallBets) {
    const Yen kOdds[] = {11, 15, 19, 23, 35, 42, 71, 125, 300, 500};
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kOdds) - 1);
    int compared = 0, refused = 0;
    for (int round = 0; round < 150; ++round) {
        Tenths tenths(2 + round % 3);
        for (Yen& t : tenths)
            t = kOdds[pick(random)];
        const auto n = static_cast<Yen>(tenths.size());
        const Yen most = n == 4 ? 28 : 40; // hundreds searched
        for (const SpreadBy by : {SpreadBy::Budget, SpreadBy::Payout, SpreadBy::Profit}) {
            // A budget up to the search's bound; a payout or profit the search can reach or not.
            const Yen amount =
                by == SpreadBy::Budget
                    ? 100 * n + std::uniform_int_distribution<Yen>(0, 100 * (most - n))(random)
                    : std::uniform_int_distribution<Yen>(1, 3000)(random);
            std::vector<Yen> hundreds;
            Best best;
            Search(by, amount, tenths, most, hundreds, best);
            const auto spread = Spreading(by, amount, tenths);
            SCOPED_TRACE(testing::Message()
                         << "mode " << static_cast<int>(by) << " amount " << amount << " odds "
                         << testing::PrintToString(tenths));
            if (const auto* refusal = std::get_if<SpreadRefusal>(&spread)) {
                EXPECT_TRUE(best.hundreds.empty()) << refusal->message;
                ++refused;
                continue;
            }
            std::vector<Yen> answer = std::get<std::vector<Yen>>(spread);
            for (Yen& stake : answer) {
                EXPECT_EQ(stake % 100, 0);
                stake /= 100;
            }
            if (best.hundreds.empty()) { // nothing within the search: the answer lies beyond
                EXPECT_GT(std::accumulate(answer.begin(), answer.end(), Yen{0}), most);
                EXPECT_TRUE(Rank(by, amount, answer, tenths));
                continue;
            }
            EXPECT_FALSE(best.tied);
            EXPECT_EQ(answer, best.hundreds);
            ++compared;
        }
    }
    EXPECT_GT(compared, 300); // most cases are decided inside the search
    EXPECT_GT(refused, 0);    // and some odds can make no profit
}

// Each way an amount cannot be used, once.
TEST(Spread, RefusesWhatCannotBeSpread) {
    const struct {
        SpreadBy by;
        const char* amount;
        int count;
        const char* message; // its start
    } rows[] = {
        {SpreadBy::Budget, "", 3, "金額には 1 円以上の整数"},
        {SpreadBy::Budget, "abc", 3, "金額には 1 円以上の整数"},
        {SpreadBy::Payout, "1000.5", 3, "金額には 1 円以上の整数"},
        {SpreadBy::Payout, "0", 3, "金額には 1 円以上の整数"},
        {SpreadBy::Profit, "-100", 3, "金額には 1 円以上の整数"},
        {SpreadBy::Payout, "1000000000001", 3, "金額は 1000000000000 円まで"},
        {SpreadBy::Payout, "1e13", 3, "金額は 1000000000000 円まで"},
        {SpreadBy::Budget, "299", 3, "予算が足りません。3 点に賭けるには 300 円以上"},
    };
    for (const auto& row : rows) {
        const auto read = ReadSpread(row.by, row.amount, row.count);
        ASSERT_TRUE(std::holds_alternative<SpreadRefusal>(read)) << row.amount;
        EXPECT_EQ(std::get<SpreadRefusal>(read).message.rfind(row.message, 0), 0u) << row.amount;
    }
    // Read as a box is read, and up to the limit.
    for (const auto& [text, yen] : {std::pair{" １００００ ", 10000LL},
                                    {"1E4", 10000LL},
                                    {"10000.0", 10000LL},
                                    {"1000000000000", 1000000000000LL}})
        EXPECT_EQ(ReadSpread(SpreadBy::Budget, text, 20),
                  (std::variant<Spread, SpreadRefusal>(Spread{SpreadBy::Budget, yen})))
            << text;
    // A profit the odds cannot make, and one whose total would pass the limit.
    const auto cannot = Spreading(SpreadBy::Profit, 100, {20, 20});
    EXPECT_EQ(std::get<SpreadRefusal>(cannot).message.rfind("この倍率では、儲けの出る", 0), 0u);
    const auto tooMuch = Spreading(SpreadBy::Profit, 1'000'000'000'000, {21, 21});
    EXPECT_EQ(std::get<SpreadRefusal>(tooMuch).message.rfind("この儲け額に届く賭け金の合計", 0),
              0u);
}

} // namespace
} // namespace tenvo
