// The four calculations on the state: worked examples, error points and what they leave behind.
#include "core/calculation_state.h"
#include "core/odds_evaluation.h"
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/run_time_error.h"
#include "core/stake_table.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace tenvo {
namespace {

// A state as the main window leaves it after its first load, with the given count.
CalculationState LoadedState(int count) {
    CalculationState state;
    CreateEntryArrays(state);
    state.ItemCount = static_cast<Integer>(count);
    return state;
}

// The odds boxes with the given texts first and the rest at their initial "0".
OddsTexts Boxes(std::initializer_list<const char*> odds) {
    OddsTexts texts;
    texts.fill("0");
    std::size_t k = 0;
    for (const char* text : odds)
        texts[k++] = text;
    return texts;
}

std::optional<RuntimeError> ErrorOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

std::vector<std::string> Texts(const StakeTable& table) {
    std::vector<std::string> texts;
    for (const Value& amount : table.EntryAmounts)
        texts.push_back(ToText(amount));
    return texts;
}

// Twenty texts: the given ones, then `rest` for every remaining entry.
std::vector<std::string> Row(std::vector<std::string> first, const std::string& rest) {
    first.resize(kEntryCount, rest);
    return first;
}

TEST(EvaluateOdds, WorkedExampleRoundsTheSumAtEveryStep) {
    CalculationState state = LoadedState(3);
    EvaluateOdds(Boxes({"2.5", "3.5", "1.4", "junk"}), state);
    EXPECT_EQ(state.OddsMax, 4);
    EXPECT_EQ(state.OddsSum, 7);
    EXPECT_EQ(state.OddsAverage, 7.0f / 3.0f);
    EXPECT_EQ(state.CalcReady, 1);
    EXPECT_EQ(state.EntryValues.at(1), Value(std::string("2.5")));
    EXPECT_EQ(state.EntryValues.at(3), Value(std::string("1.4")));
    EXPECT_EQ(state.EntryValues.at(4), Value(Integer{0})); // not used, not touched
}

struct EvaluationCase {
    const char* name;
    int count;
    std::vector<const char*> odds;
    int oddsMax;
    int oddsSum;
    float average;
};

class EvaluateOddsTable : public testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluateOddsTable, SetsMaximumSumAndAverage) {
    const EvaluationCase& c = GetParam();
    CalculationState state = LoadedState(c.count);
    OddsTexts texts;
    texts.fill("0");
    for (std::size_t k = 0; k < c.odds.size(); ++k)
        texts[k] = c.odds[k];
    EvaluateOdds(texts, state);
    EXPECT_EQ(state.OddsMax, c.oddsMax);
    EXPECT_EQ(state.OddsSum, c.oddsSum);
    EXPECT_EQ(state.OddsAverage, c.average);
    EXPECT_EQ(state.CalcReady, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EvaluateOddsTable,
    testing::Values(
        EvaluationCase{"all boxes at 0", 5, {}, 0, 0, 0.0f},
        EvaluationCase{
            "halves round to even each step", 4, {"1.5", "1.5", "1.5", "1.5"}, 2, 8, 2.0f},
        EvaluationCase{"an equal value keeps the maximum", 2, {"3", "3.0"}, 3, 6, 3.0f},
        EvaluationCase{"unused boxes are never read", 2, {"4", "5", "abc", ""}, 5, 9, 4.5f},
        EvaluationCase{"above twenty all entries count",
                       25,
                       {"30", "30", "30", "30", "30", "30", "30", "30", "30", "30",
                        "30", "30", "30", "30", "30", "30", "30", "30", "30", "30"},
                       30,
                       600,
                       24.0f},
        EvaluationCase{"one large entry", 1, {"20000"}, 20000, 20000, 20000.0f},
        EvaluationCase{"negative odds are summed", 3, {"-5", "4", "7"}, 7, 6, 2.0f},
        EvaluationCase{"3 4 7", 3, {"3", "4", "7"}, 7, 14, 14.0f / 3.0f}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(EvaluateOdds, NoEntryUsedKeepsSumAndArrays) {
    CalculationState state = LoadedState(2);
    EvaluateOdds(Boxes({"5", "7"}), state);
    state.ItemCount = -1;
    EvaluateOdds(Boxes({"9", "bad"}), state);
    EXPECT_EQ(state.OddsMax, 9);
    EXPECT_EQ(state.OddsSum, 12);
    EXPECT_EQ(state.OddsAverage, -12.0f);
    EXPECT_EQ(state.EntryValues.at(1), Value(std::string("5")));
    EXPECT_EQ(state.CalcReady, 1);

    state.ItemCount = 0; // the sum of 12 is divided by zero, after OddsMax is taken
    state.CalcReady = 0;
    EXPECT_EQ(ErrorOf([&] { EvaluateOdds(Boxes({"6"}), state); })->kind(),
              ErrorKind::DivisionByZero);
    EXPECT_EQ(state.OddsMax, 6);
    EXPECT_EQ(state.CalcReady, 0);
}

struct EvaluationFailure {
    const char* name;
    int count;
    std::vector<const char*> odds;
    ErrorKind kind;
    std::optional<int> entry;
    int oddsMaxAfter;
};

class EvaluateOddsFailures : public testing::TestWithParam<EvaluationFailure> {};

TEST_P(EvaluateOddsFailures, StopAtTheFailingStepKeepingWhatWasWritten) {
    const EvaluationFailure& c = GetParam();
    CalculationState state = LoadedState(c.count);
    OddsTexts texts;
    texts.fill("0");
    for (std::size_t k = 0; k < c.odds.size(); ++k)
        texts[k] = c.odds[k];
    const auto error = ErrorOf([&] { EvaluateOdds(texts, state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), c.kind);
    EXPECT_EQ(error->entry(), c.entry);
    EXPECT_EQ(state.OddsMax, c.oddsMaxAfter);
    EXPECT_EQ(state.CalcReady, 0);
    if (c.entry && *c.entry >= 2) { // the failing text is already stored
        EXPECT_EQ(state.EntryValues.at(*c.entry), Value(std::string(c.odds[*c.entry - 1])));
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
    [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    int calcReady;
    int count;
    float average;
    CheckOutcome outcome;
    int calcReadyAfter;
};

class CheckResultTable : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckResultTable, ComparesThresholdBeforeZero) {
    const CheckCase& c = GetParam();
    CalculationState state = LoadedState(c.count);
    state.CalcReady = static_cast<Integer>(c.calcReady);
    state.OddsAverage = c.average;
    const CheckVerdict verdict = CheckResult(state);
    EXPECT_EQ(verdict.outcome, c.outcome);
    EXPECT_EQ(state.CalcReady, c.calcReadyAfter);
    EXPECT_EQ(verdict.averageText,
              c.outcome == CheckOutcome::NotReady ? std::string() : ToText(c.average));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckResultTable,
    testing::Values(CheckCase{"NotReadyAtStart", 0, 3, 9.0f, CheckOutcome::NotReady, 0},
                    CheckCase{"NotReadyForTwo", 2, 3, 9.0f, CheckOutcome::NotReady, 2},
                    CheckCase{"ThresholdReachedIsAccepted", 1, 3, 4.0f, CheckOutcome::Accepted, 1},
                    CheckCase{"JustBelowIsRejected", 1, 3, 3.999f, CheckOutcome::Rejected, 0},
                    CheckCase{"TwoEntriesAverageTwo", 1, 2, 2.0f, CheckOutcome::Accepted, 1},
                    CheckCase{"TwentyEntriesBelow38", 1, 20, 37.9f, CheckOutcome::Rejected, 0},
                    CheckCase{"OneEntryHalf", 1, 1, 0.5f, CheckOutcome::Accepted, 1},
                    CheckCase{"OneEntryZero", 1, 1, 0.0f, CheckOutcome::ZeroAverage, 1},
                    CheckCase{"OneEntryNegativeZero", 1, 1, -0.0f, CheckOutcome::ZeroAverage, 1},
                    CheckCase{"OneEntryNegative", 1, 1, -1.0f, CheckOutcome::Rejected, 0},
                    CheckCase{"ZeroWithPositiveThreshold", 1, 2, 0.0f, CheckOutcome::Rejected, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckResult, ThresholdOverflowsAtSixteenThousand) {
    CalculationState state = LoadedState(16384);
    state.CalcReady = 1;
    EXPECT_EQ(ErrorOf([&] { CheckResult(state); })->kind(), ErrorKind::Overflow);
    EXPECT_EQ(state.CalcReady, 1);
    state.ItemCount = -16384;
    EXPECT_EQ(ErrorOf([&] { CheckResult(state); })->kind(), ErrorKind::Overflow);
}

TEST(RoundStakeUp, RoundsToTenthsThenAddsOne) {
    const struct {
        float ratio;
        float stake;
    } rows[] = {{7.0f / 3.0f, 2.4f},   {1.75f, 1.9f},      {1.25f, 1.3f}, {2.5f, 2.6f},
                {3.5f, 3.6f},          {3.0f, 3.0f},       {1.0f, 1.0f},  {21.0f / 20.0f, 1.1f},
                {29.0f / 20.0f, 1.6f}, {5.0f / 4.0f, 1.3f}};
    for (const auto& row : rows)
        EXPECT_EQ(RoundStakeUp(row.ratio), row.stake) << row.ratio;
}

struct StakeCase {
    std::vector<const char*> odds;
    std::vector<std::string> amounts;
    std::string total;
    std::vector<std::string> profits;
};

class WorkedExamples : public testing::TestWithParam<StakeCase> {};

// Stake and profit tables on the state a fresh start, the odds evaluation and the stake table
// leave; the result check plays no part here.
TEST_P(WorkedExamples, MatchFigureForFigure) {
    const StakeCase& c = GetParam();
    CalculationState state = LoadedState(static_cast<int>(c.odds.size()));
    OddsTexts texts;
    texts.fill("0");
    for (std::size_t k = 0; k < c.odds.size(); ++k)
        texts[k] = c.odds[k];
    EvaluateOdds(texts, state);
    const StakeTable table = ComputeStakeTable(state);
    EXPECT_EQ(Texts(table), c.amounts);
    EXPECT_EQ(ToText(table.TotalAmount), c.total);
    EXPECT_EQ(state.TotalStake, table.TotalAmount);
    for (std::size_t k = 0; k < c.odds.size(); ++k)
        EXPECT_EQ(state.EnteredOdds.at(static_cast<int>(k) + 1), Value(std::string(c.odds[k])));
    if (!c.profits.empty()) {
        std::vector<std::string> profits;
        for (const Long profit : ComputeProfitTable(state))
            profits.push_back(ToText(profit));
        EXPECT_EQ(profits, c.profits);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExamples,
    testing::Values(
        StakeCase{{"2", "3", "6"},
                  Row({"3000", "2000", "1000"}, "0"),
                  "6000",
                  Row({"0", "0", "0"}, "-6000")},
        StakeCase{{"3", "4", "7"},
                  Row({"2400", "1900", "1000"}, "0"),
                  "5300",
                  Row({"1900", "2300", "1700"}, "-5300")},
        StakeCase{{"4", "5"}, Row({"1300", "1000"}, "0"), "2300", Row({"2900", "2700"}, "-2300")},
        StakeCase{{"20", "21"}, Row({"1100", "1000"}, "0"), "2100", {}},
        StakeCase{
            {"20", "29"}, Row({"1600", "1000"}, "0"), "2600", Row({"29400", "26400"}, "-2600")},
        StakeCase{{"1.5", "2.5", "3.5", "10"},
                  Row({"5000", "5000", "2600", "1000"}, "0"),
                  "13600",
                  Row({"-6100", "-1100", "-4500", "-3600"}, "-13600")},
        StakeCase{{"10", "10", "10", "10", "10"},
                  Row({"1000", "1000", "1000", "1000", "1000"}, "0"),
                  "5000",
                  {}}));

TEST(StakeTable, EntriesLeftFromALargerBetAreReset) {
    CalculationState state = LoadedState(5);
    EvaluateOdds(Boxes({"6", "7", "8", "9", "8"}), state);
    ComputeStakeTable(state);
    state.ItemCount = 3;
    EvaluateOdds(Boxes({"3", "4", "7", "9", "8"}), state);
    const StakeTable table = ComputeStakeTable(state);
    EXPECT_EQ(Texts(table), Row({"2400", "1900", "1000"}, "0"));
    for (int k = 4; k <= kEntryCount; ++k) {
        EXPECT_EQ(state.EntryValues.at(k), Value(Integer{0})) << k;
        EXPECT_EQ(state.EnteredOdds.at(k), Value(Integer{0})) << k;
    }
    std::vector<std::string> profits;
    for (const Long profit : ComputeProfitTable(state))
        profits.push_back(ToText(profit));
    EXPECT_EQ(profits, Row({"1900", "2300", "1700"}, "-5300"));
}

TEST(StakeTable, ZeroOddsFailAtTheirEntryWithEarlierEntriesPriced) {
    CalculationState state = LoadedState(3);
    EvaluateOdds(Boxes({"4", "5", "0.4"}), state);
    state.TotalStake = 777;
    const auto error = ErrorOf([&] { ComputeStakeTable(state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(error->entry(), 3);
    EXPECT_EQ(error->text(), "0.4");
    EXPECT_EQ(state.EntryValues.at(2), Value(1.0f));               // priced
    EXPECT_EQ(state.EntryValues.at(3), Value(std::string("0.4"))); // still the odds
    EXPECT_EQ(state.EnteredOdds.at(3), Value(std::string("0.4"))); // copied before dividing
    EXPECT_EQ(state.TotalStake, 777.0f);
}

TEST(StakeTable, ACountAboveTwentyFailsAtEntry21) {
    CalculationState state = LoadedState(21);
    EvaluateOdds(Boxes({"30", "30", "30", "30", "30", "30", "30", "30", "30", "30",
                        "30", "30", "30", "30", "30", "30", "30", "30", "30", "30"}),
                 state);
    const auto error = ErrorOf([&] { ComputeStakeTable(state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(error->entry(), 21);
    EXPECT_EQ(state.EntryValues.at(20), Value(1.0f));
}

TEST(StakeTable, NoEntryPricedForACountBelowOne) {
    CalculationState state = LoadedState(0);
    const StakeTable table = ComputeStakeTable(state);
    EXPECT_EQ(ToText(table.TotalAmount), "0");
    EXPECT_EQ(Texts(table), Row({}, "0"));
    EXPECT_EQ(state.TotalStake, 0.0f);
}

TEST(ProfitTable, ReadsStakesAndOddsAsTheyStand) {
    CalculationState state = LoadedState(2);
    state.EnteredOdds.put(1, Value(std::string("2")));
    state.EnteredOdds.put(2, Value(std::string("3")));
    state.EntryValues.put(1, Value(1.6f));
    state.EntryValues.put(2, Value(1.0f));
    state.TotalStake = 2600;
    EXPECT_EQ(ComputeProfitTable(state),
              (ProfitTable{600,   400,   -2600, -2600, -2600, -2600, -2600, -2600, -2600, -2600,
                           -2600, -2600, -2600, -2600, -2600, -2600, -2600, -2600, -2600, -2600}));
    const CalculationState before = state;
    ComputeProfitTable(state);
    EXPECT_EQ(state, before);

    struct {
        const char* odds;
        float stake;
        float total;
        Long profit;
    } rows[] = {{"2.5", 2.0f, 1000.0f, 4000}, // the odds enter as typed
                {"2.5", 1.0f, 2497.5f, 2},    // ties go to the even neighbour
                {"3.5", 1.0f, 3496.5f, 4},
                {"0.5", 1.0f, 500.5f, 0},
                {"1", 1.0f, 1000.4f, 0}};
    for (const auto& row : rows) {
        state.EnteredOdds.put(3, Value(std::string(row.odds)));
        state.EntryValues.put(3, Value(row.stake));
        state.TotalStake = row.total;
        EXPECT_EQ(EntryProfit(state, 3), row.profit) << row.odds;
    }
}

TEST(ProfitTable, FailsAtTheEntryWhoseFiguresCannotBeUsed) {
    CalculationState state = LoadedState(2);
    state.EnteredOdds.put(2, Value(std::string("abc")));
    auto error = ErrorOf([&] { ComputeProfitTable(state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::TypeMismatch);
    EXPECT_EQ(error->entry(), 2);

    state.EnteredOdds.put(2, Value(std::string("30000")));
    state.EntryValues.put(2, Value(std::string("30000")));
    error = ErrorOf([&] { ComputeProfitTable(state); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::Overflow);
}

TEST(CalculationState, CopiesAreIndependent) {
    CalculationState state = LoadedState(3);
    CalculationState copy = state;
    EvaluateOdds(Boxes({"3", "4", "7"}), copy);
    EXPECT_EQ(state.EntryValues.at(1), Value(Integer{0}));
    EXPECT_NE(state, copy);
}

} // namespace
} // namespace tenvo
