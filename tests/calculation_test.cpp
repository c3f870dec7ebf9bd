// SPDX-License-Identifier: MIT
// Money: payouts exact from the odds as typed, and whole bets whose every figure agrees with the
// stakes shown.
#include "core/calculation.h"
#include "core/profit_table.h"
#include "core/run_time_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tenvo {
namespace {

using Texts = std::vector<std::string>;

// The odds boxes: the given texts first, the rest at their initial "0".
OddsTexts Boxes(const Texts& odds) {
    OddsTexts boxes;
    boxes.fill("0");
    std::copy(odds.begin(), odds.end(), boxes.begin());
    return boxes;
}

std::optional<RuntimeError> ErrorOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// Odds as typed times a stake in yen, exact however many digits, rounded half to even only
// where the payout has a fraction.
TEST(Payout, ExactFromTheOddsAsTyped) {
    const std::string many(400, '0');
    const struct {
        Value odds;
        Yen stake;
        Yen payout;
    } rows[] = {
        {Value(std::string("20.5")), 512100, 10498050}, // not 10498049
        {Value(std::string("15.0")), 1352700, 20290500},
        {Value(std::string("３．５")), 2000, 7000},
        {Value(std::string(" 1E1 ")), 700, 7000},
        {Value(std::string("1.745")), 4100, 7154}, // 7154.5 stays at the even yen
        {Value(std::string("1.755")), 4100, 7196}, // 7195.5 goes up to the even yen
        {Value(std::string("1.74975")), 4000, 6999},
        {Value(std::string("1.001")), 1100, 1101}, // 1101.1: no half, stays down
        {Value(std::string("-5")), -1700, 8500},
        {Value(std::string("-1.745")), 4100, -7154},
        {Value("1." + many + "1"), 4000, 4000}, // past 128 bits: GMP
        {Value("-1." + many + "9"), 3, -3},
        {Value(std::string("1234567890123456789.5")), 2, 2469135780246913579},
        {Value(std::string("1e-30")), 4000, 0},
        {Value(std::string("0")), 4000, 0},
        {Value(Integer{0}), 0, 0},
        {Value(2.5f), 3, 8}, // a number counts as its exact value: 7.5 to the even 8
    };
    for (const auto& row : rows)
        EXPECT_EQ(PayoutOf(row.odds, row.stake), row.payout)
            << ToText(row.odds).substr(0, 30) << " x " << row.stake;
    for (const char* huge : {"1e40", "9223372036854775808"})
        EXPECT_EQ(ErrorOf([&] { PayoutOf(Value(std::string(huge)), 1); })->kind(),
                  ErrorKind::Overflow)
            << huge;
}

// Whole bets whose money binary32 would get wrong: the total is the sum of the stakes shown,
// every figure follows from it and from the odds as typed.
TEST(Money, EveryFigureAgreesWithTheStakesShown) {
    const struct {
        Texts odds;
        Yen total;
        int entry; // 1 to 3: the entry whose figures follow
        Yen payout;
        bool losing;
        std::int64_t combinedHundredths;
        std::int64_t breakEvenTenths;
    } rows[] = {
        {{"21", "4", "9"}, 8700, 2, 21200, false, 241, 17}, // not 8700.001
        {{"1.5", "20.6", "5.0"}, 15900, 1, 15900, false, 100, 15},
        {{"11.3", "20.5", "18.8"}, 4100, 2, 20500, false, 500, 41},
        {{"15.0", "20289", "15.4", "5.7", "1.8", "4.7"}, 20290500, 1, 20290500, false, 89, 150},
        {{"10239.4", "20.5"}, 513100, 2, 10498050, false, 1995, 11},
        {{"1.74975", "3.5", "7.6"}, 7000, 1, 6999, true, 99, 18},
        // 6999.8 is shown 7000: the row says no loss, and neither does its mark.
        {{"1.74995", "3.5", "7.6"}, 7000, 1, 7000, false, 100, 18},
        // Added up in binary32 these stakes would make 9899301.
        {{"24", "4", "32", "2161", "12", "15", "34", "4", "13148"},
         9899300,
         1,
         13149600,
         false,
         132,
         181},
    };
    for (const auto& row : rows) {
        CalculationState state;
        const PricedResult result =
            Calculate(static_cast<Integer>(row.odds.size()), Boxes(row.odds), state);
        ASSERT_TRUE(result.accepted()) << row.odds[0];
        const auto i = static_cast<std::size_t>(row.entry - 1);
        EXPECT_EQ(result.total, row.total) << row.odds[0];
        Yen sum = 0;
        for (const Yen amount : result.amounts)
            sum += amount;
        EXPECT_EQ(result.total, sum);
        EXPECT_EQ(result.payouts[i], row.payout) << row.odds[0];
        EXPECT_EQ(result.profits[i], row.payout - row.total) << row.odds[0];
        const bool losing = result.losing(row.entry);
        EXPECT_EQ(losing, row.losing) << row.odds[0];
        EXPECT_EQ(result.combinedOddsHundredths, row.combinedHundredths) << row.odds[0];
        EXPECT_EQ(result.breakEvenTenths[i], row.breakEvenTenths) << row.odds[0];
    }
    EXPECT_EQ(ShownYen(Value(622213000.0f)), 622213000); // shown to 7 digits: not 622212992
}

} // namespace
} // namespace tenvo
