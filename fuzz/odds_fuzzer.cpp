// SPDX-License-Identifier: MIT
// libFuzzer target: arbitrary bytes as the count and twenty odds texts, through every
// calculation. Each input must end in figures or a run-time error, and the figures must hold.
#include "core/calculation.h"
#include "core/number_text.h"
#include "core/run_time_error.h"
#include "fuzz/require.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tenvo;

// A number read from a text reads back the same from the text we would write for it.
void CheckRoundTrip(std::string_view text) {
    try {
        const double value = ParseDouble(text);
        Require(ParseDouble(FormatSignificant(value, 17)) == value, "a Double round-trips");
        const Integer whole = ToInteger(text);
        Require(ToInteger(ToText(whole)) == whole, "an Integer round-trips");
        Require(whole == ToInteger(value), "ToInteger of the text is ToInteger of its number");
    } catch (const RuntimeError&) {
    }
}

void CheckStakes(const CalculationState& state, const StakeTable& table) {
    Single sum = 0;
    bool unitStake = false;
    for (int i = 1; i <= state.ItemCount; ++i) {
        const Single stake = state.EntryValues.at(i).get<Single>();
        sum += stake;
        unitStake |= ToInteger(state.EnteredOdds.at(i)) == state.OddsMax;
        if (ToInteger(state.EnteredOdds.at(i)) == state.OddsMax)
            Require(stake == 1 && ToText(table.EntryAmounts[i - 1]) == "1000",
                    "the entry with the largest odds stakes 1000");
    }
    Require(unitStake, "some entry has the largest odds");
    Require(table.TotalAmount == 1000.0f * sum, "the total is 1000 times the sum of the stakes");
    Require(state.TotalStake == table.TotalAmount, "TotalStake is the total shown");
    for (int k = state.ItemCount + 1; k <= kEntryCount; ++k)
        Require(table.EntryAmounts[k - 1] == Value(Integer{0}), "entries outside the bet show 0");
}

// Each profit is the payout less the total, each rounded once; the losing entries and the
// combined odds follow from them.
void CheckReturns(const CalculationState& state, const PricedResult& result) {
    std::optional<Long> smallest;
    std::vector<int> losing;
    for (int k = 1; k <= kEntryCount; ++k) {
        const Long payout = result.payouts[k - 1], profit = result.profits[k - 1];
        Require(profit == EntryProfit(state, k), "the profit is the profit window's");
        const double exact = static_cast<double>(payout) - static_cast<double>(state.TotalStake);
        Require(std::fabs(exact - profit) <= 1.0, "the profit is the payout less the total");
        if (k > state.ItemCount)
            continue;
        if (profit < 0)
            losing.push_back(k);
        smallest = std::min(smallest.value_or(payout), payout);
    }
    Require(result.losingEntries == losing, "the losing entries are those with a loss");
    Require(result.combinedOddsHundredths ==
                CombinedOddsHundredths(smallest.value_or(0), state.TotalStake),
            "the combined odds come from the smallest payout");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Line 1 is the count, lines 2 to 21 the odds; missing boxes hold their initial "0".
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= input.size() && lines.size() < 21;) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        lines.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    OddsTexts texts;
    texts.fill("0");
    for (std::size_t k = 1; k < lines.size(); ++k)
        texts[k - 1] = lines[k];
    for (const std::string& line : lines)
        CheckRoundTrip(line);

    CalculationState state;
    try {
        const PricedResult result = Calculate(ToInteger(lines.front()), texts, state);
        const CheckOutcome outcome = result.verdict.outcome;
        Require(outcome != CheckOutcome::NotReady, "a completed evaluation is judged");
        Require(state.CalcReady == (outcome == CheckOutcome::Rejected ? 0 : 1),
                "only a rejection clears CalcReady");
        if (!result.accepted())
            return 0;
        Require(state.ItemCount >= 1 && state.ItemCount <= kEntryCount,
                "only a count of 1 to 20 can be priced");
        CheckStakes(state, result.stakes);
        CheckReturns(state, result);
    } catch (const RuntimeError& error) {
        Require(error.number() == 6 || error.number() == 11 || error.number() == 13,
                "one of the three run-time errors");
    }
    return 0;
}
