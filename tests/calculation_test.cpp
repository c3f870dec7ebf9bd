// SPDX-License-Identifier: MIT
// The four calculations on the state: worked examples, error points and what they leave behind.
#include "core/calculation.h"
#include "core/odds_evaluation.h"
#include "core/run_time_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tenvo {
namespace {

using Texts = std::vector<std::string>;

// A state as the main window leaves it after its first load, with the given count.
CalculationState Loaded(int count) {
    CalculationState state;
    CreateEntryArrays(state);
    state.ItemCount = static_cast<Integer>(count);
    return state;
}

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

// Twenty texts: the given ones, then `rest`.
Texts Row(Texts first, const std::string& rest) {
    first.resize(kEntryCount, rest);
    return first;
}

// The texts the windows show for a row of figures.
Texts TextsOf(const auto& figures) {
    Texts texts;
    for (const auto& figure : figures)
        texts.push_back(ToText(figure));
    return texts;
}

TEST(StakeTable, EntriesLeftFromALargerBetAreReset) {
    CalculationState state = Loaded(20);
    EvaluateOdds(Boxes(Row({"6", "7", "8", "9", "8"}, "40")), state);
    ComputeStakeTable(state);
    state.ItemCount = 3;
    EvaluateOdds(Boxes({"3", "4", "7", "9", "8"}), state);
    const PricedResult result = PriceResult(state);
    EXPECT_EQ(TextsOf(result.stakes.EntryAmounts), Row({"2400", "1900", "1000"}, "0"));
    for (int k = 4; k <= kEntryCount; ++k) {
        EXPECT_EQ(state.EntryValues.at(k), Value(Integer{0})) << k;
        EXPECT_EQ(state.EnteredOdds.at(k), Value(Integer{0})) << k;
    }
    EXPECT_EQ(TextsOf(result.profits), Row({"1900", "2300", "1700"}, "-5300"));
}

TEST(StakeTable, FailsAtTheEntryWhoseOddsRoundToZero) {
    CalculationState state = Loaded(3);
    EvaluateOdds(Boxes({"4", "5", "0.4"}), state);
    state.TotalStake = 777;
    auto error = ErrorOf([&] { ComputeStakeTable(state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(error->entry(), 3);
    EXPECT_EQ(error->text(), "0.4");
    EXPECT_EQ(state.EntryValues.at(2), Value(1.0f));               // priced
    EXPECT_EQ(state.EntryValues.at(3), Value(std::string("0.4"))); // still the odds
    EXPECT_EQ(state.EnteredOdds.at(3), Value(std::string("0.4"))); // copied before dividing
    EXPECT_EQ(state.TotalStake, 777.0f);

    state = Loaded(21); // entry 21 was never written: it holds the Integer 0
    EvaluateOdds(Boxes(Row({}, "30")), state);
    error = ErrorOf([&] { ComputeStakeTable(state); });
    EXPECT_EQ(error->kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(error->entry(), 21);
    EXPECT_EQ(state.EntryValues.at(20), Value(1.0f));
}

// Rounded down exactly: 115 / 100 is 1.15, though 1.15 is 1.1499... as a Double.
TEST(CombinedOdds, RoundDownToHundredthsExactly) {
    const struct {
        Long payout;
        Single total;
        std::optional<std::int64_t> hundredths;
    } rows[] = {{7000, 5300, 132},    {115, 100, 115},      {6800, 7000, 97},      {-5, 1000, -1},
                {10000, -9000, -112}, {7, 0, std::nullopt}, {5300, 5300.0005f, 99}};
    for (const auto& row : rows)
        EXPECT_EQ(CombinedOddsHundredths(row.payout, row.total), row.hundredths)
            << row.payout << " / " << row.total;
}

// From the amounts as shown, exact in integers: 5.3 x 1000 is exactly 5300, so 5.3 breaks even.
TEST(BreakEven, LowestTenthThatPaysTheTotalBack) {
    const struct {
        std::int64_t stake, total;
        std::optional<std::int64_t> tenths;
    } rows[] = {{2400, 5300, 23},      {1000, 5300, 53}, {4000, 7000, 18},
                {3000, -9100, -30},    {3, 1, 4},        {-1700, 500, std::nullopt},
                {0, 500, std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(BreakEvenTenths(row.stake, row.total), row.tenths)
            << row.stake << " " << row.total;
    EXPECT_EQ(WholeAmount(Value(622213000.0f)), 622213000); // shown to 7 digits: not 622212992
    EXPECT_EQ(WholeAmount(Value(2.5f)), std::nullopt);
}

} // namespace
} // namespace tenvo
