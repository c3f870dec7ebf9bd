// SPDX-License-Identifier: MIT
// The four calculations on the state: worked examples, error points and what they leave behind.
#include "core/calculation_state.h"
#include "core/odds_evaluation.h"
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/run_time_error.h"
#include "core/stake_table.h"

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

Texts Amounts(const StakeTable& table) {
    Texts texts;
    for (const Value& amount : table.EntryAmounts)
        texts.push_back(ToText(amount));
    return texts;
}

Texts Profits(const CalculationState& state) {
    Texts texts;
    for (const Long profit : ComputeProfitTable(state))
        texts.push_back(ToText(profit));
    return texts;
}

struct EvaluationFailure {
    std::string name;
    int count;
    Texts odds;
    ErrorKind kind;
    std::optional<int> entry;
    int oddsMaxAfter;
};

class EvaluateOddsFailures : public testing::TestWithParam<EvaluationFailure> {};

TEST_P(EvaluateOddsFailures, StopAtTheFailingStepKeepingWhatWasWritten) {
    const EvaluationFailure& c = GetParam();
    CalculationState state = Loaded(c.count);
    const auto error = ErrorOf([&] { EvaluateOdds(Boxes(c.odds), state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), c.kind);
    EXPECT_EQ(error->entry(), c.entry);
    EXPECT_EQ(state.OddsMax, c.oddsMaxAfter);
    EXPECT_EQ(state.CalcReady, 0);
    if (c.entry >= 2) { // a used entry's text is stored before it is read
        EXPECT_EQ(state.EntryValues.at(*c.entry), Value(c.odds[*c.entry - 1]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EvaluateOddsFailures,
    testing::Values(
        EvaluationFailure{"EmptyFirstBoxBeforeTheDivision", 0, {""}, ErrorKind::TypeMismatch, 1, 0},
        EvaluationFailure{"ZeroCountZeroSum", 0, {"3"}, ErrorKind::Overflow, std::nullopt, 3},
        EvaluationFailure{"TextInAUsedBox", 3, {"3", "4", "abc"}, ErrorKind::TypeMismatch, 3, 4},
        EvaluationFailure{"SumOverflows", 2, {"20000", "20000"}, ErrorKind::Overflow, 2, 20000},
        EvaluationFailure{"MaximumOverflows", 3, {"0", "40000"}, ErrorKind::Overflow, 2, 0},
        EvaluationFailure{"FirstBoxOverflows", 1, {"32768"}, ErrorKind::Overflow, 1, 0},
        EvaluationFailure{"BeyondDouble", 2, {"1", "1e999"}, ErrorKind::Overflow, 2, 1}),
    [](const auto& info) { return info.param.name; });

TEST(CheckResult, ComparesTheThresholdBeforeZero) {
    const struct {
        int calcReady, count;
        float average;
        CheckOutcome outcome;
        int calcReadyAfter;
    } rows[] = {
        {0, 3, 9.0f, CheckOutcome::NotReady, 0},     {2, 3, 9.0f, CheckOutcome::NotReady, 2},
        {1, 3, 4.0f, CheckOutcome::Accepted, 1},     {1, 3, 3.999f, CheckOutcome::Rejected, 0},
        {1, 20, 37.9f, CheckOutcome::Rejected, 0},   {1, 1, 0.5f, CheckOutcome::Accepted, 1},
        {1, 1, -0.0f, CheckOutcome::ZeroAverage, 1}, {1, 1, -1.0f, CheckOutcome::Rejected, 0},
        {1, 2, 0.0f, CheckOutcome::Rejected, 0},
    };
    for (const auto& row : rows) {
        CalculationState state = Loaded(row.count);
        state.CalcReady = static_cast<Integer>(row.calcReady);
        state.OddsAverage = row.average;
        const CheckVerdict verdict = CheckResult(state);
        EXPECT_EQ(verdict.outcome, row.outcome) << row.count << " " << row.average;
        EXPECT_EQ(state.CalcReady, row.calcReadyAfter);
        EXPECT_EQ(verdict.averageText,
                  row.outcome == CheckOutcome::NotReady ? "" : ToText(row.average));
    }
    for (int count : {16384, -16384}) { // the threshold leaves the Integer range
        CalculationState state = Loaded(count);
        state.CalcReady = 1;
        EXPECT_EQ(ErrorOf([&] { CheckResult(state); })->kind(), ErrorKind::Overflow);
        EXPECT_EQ(state.CalcReady, 1);
    }
}

struct WorkedExample {
    Texts odds, amounts;
    std::string total;
    Texts profits;
};

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

// Stake and profit tables on the state that a fresh start, the odds evaluation and the stake
// table leave; the result check plays no part here.
TEST_P(WorkedExamples, MatchFigureForFigure) {
    const WorkedExample& c = GetParam();
    CalculationState state = Loaded(static_cast<int>(c.odds.size()));
    EvaluateOdds(Boxes(c.odds), state);
    const StakeTable table = ComputeStakeTable(state);
    EXPECT_EQ(Amounts(table), c.amounts);
    EXPECT_EQ(ToText(table.TotalAmount), c.total);
    EXPECT_EQ(state.TotalStake, table.TotalAmount);
    for (std::size_t k = 0; k < c.odds.size(); ++k) // the odds texts are kept as typed
        EXPECT_EQ(state.EnteredOdds.at(static_cast<int>(k) + 1), Value(c.odds[k]));
    EXPECT_EQ(Profits(state), c.profits);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExamples,
    testing::Values(WorkedExample{{"20", "29"},
                                  Row({"1600", "1000"}, "0"),
                                  "2600",
                                  Row({"29400", "26400"}, "-2600")},
                    WorkedExample{{"1.5", "2.5", "3.5", "10"},
                                  Row({"5000", "5000", "2600", "1000"}, "0"),
                                  "13600",
                                  Row({"-6100", "-1100", "-4500", "-3600"}, "-13600")},
                    WorkedExample{Row({}, "10"), Row({}, "1000"), "20000", Row({}, "-10000")}));

TEST(StakeTable, EntriesLeftFromALargerBetAreReset) {
    CalculationState state = Loaded(5);
    EvaluateOdds(Boxes({"6", "7", "8", "9", "8"}), state);
    ComputeStakeTable(state);
    state.ItemCount = 3;
    EvaluateOdds(Boxes({"3", "4", "7", "9", "8"}), state);
    EXPECT_EQ(Amounts(ComputeStakeTable(state)), Row({"2400", "1900", "1000"}, "0"));
    for (int k = 4; k <= kEntryCount; ++k) {
        EXPECT_EQ(state.EntryValues.at(k), Value(Integer{0})) << k;
        EXPECT_EQ(state.EnteredOdds.at(k), Value(Integer{0})) << k;
    }
    EXPECT_EQ(Profits(state), Row({"1900", "2300", "1700"}, "-5300"));
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

TEST(StakeTable, PricesNothingForACountBelowOne) {
    CalculationState state = Loaded(2); // entries 1 and 2 hold an earlier bet
    EvaluateOdds(Boxes({"4", "5"}), state);
    ComputeStakeTable(state);
    state.ItemCount = 0;
    const StakeTable table = ComputeStakeTable(state);
    EXPECT_EQ(ToText(table.TotalAmount), "0");
    EXPECT_EQ(Amounts(table), Row({}, "0"));
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

} // namespace
} // namespace tenvo
