// SPDX-License-Identifier: MIT
// libFuzzer target: arbitrary bytes as the count and twenty odds texts, through every
// calculation. Each input must end in figures or a run-time error, and the figures must hold.
#include "core/calculation.h"
#include "core/item_count.h"
#include "core/number_text.h"
#include "core/profit_table.h"
#include "core/run_time_error.h"
#include "fuzz/require.h"

#include <gmpxx.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// The odds as a fraction, read by a reader of its own: ASCII digits, an optional point and
// exponent. Nothing for other texts (full-width forms) or exponents too long to be worth it.
std::optional<mpq_class> ExactOdds(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    long exponent = 0;
    std::size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
             ++i, --exponent)
            digits += text[i];
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string_view rest = text.substr(i + 1);
        const bool negativeExponent = !rest.empty() && rest.front() == '-';
        if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
            rest.remove_prefix(1);
        if (rest.empty() || rest.size() > 7 || !std::all_of(rest.begin(), rest.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            }))
            return std::nullopt;
        const long written = std::stol(std::string(rest));
        exponent += negativeExponent ? -written : written;
        i = text.size();
    }
    if (i != text.size() || digits.empty() || std::labs(exponent) > 100000)
        return std::nullopt;
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    mpq_class odds(mpz_class(digits, 10));
    odds = exponent >= 0 ? mpq_class(odds * power) : mpq_class(odds / power);
    return negative ? mpq_class(-odds) : odds;
}

// Money in whole yen: the total is the sum of the stakes shown, each payout the exact product
// of the odds as typed and the stake, rounded half to even, each profit the payout less the
// total; the losing entries, the combined odds and the break-even odds agree with them.
void CheckMoney(const CalculationState& state, const PricedResult& result, bool spread) {
    Yen sum = 0;
    for (int k = 1; k <= kEntryCount; ++k) {
        const Yen amount = result.amounts[k - 1];
        Require(spread || ToText(amount) == ToText(result.stakes.EntryAmounts[k - 1]),
                "a stake in yen is the amount shown");
        Require(amount >= 0, "no stake is negative");
        sum += amount;
    }
    Require(result.total == sum, "the total is the sum of the stakes shown");
    std::optional<Yen> smallest;
    std::vector<int> losing;
    for (int k = 1; k <= kEntryCount; ++k) {
        const Yen payout = result.payouts[k - 1], stake = result.amounts[k - 1];
        Require(result.profits[k - 1] == payout - result.total, "a profit is payout less total");
        if (k > state.ItemCount) {
            Require(payout == 0, "an entry outside the bet pays nothing");
            continue;
        }
        smallest = std::min(smallest.value_or(payout), payout);
        const std::optional<std::string> text = state.EnteredOdds.at(k).text();
        const std::optional<mpq_class> odds = text ? ExactOdds(*text) : std::nullopt;
        const std::optional<std::int64_t> breakEven = result.breakEvenTenths[k - 1];
        Require(breakEven.has_value() == (stake > 0), "break-even odds for every positive stake");
        const bool isLosing = result.losing(k);
        if (!odds)
            continue;
        const mpq_class exact = *odds * stake;
        const mpq_class off = exact - payout;
        Require(abs(off) < mpq_class(1, 2) || (abs(off) == mpq_class(1, 2) && payout % 2 == 0),
                "a payout is the exact one rounded half to even");
        Require(isLosing == (payout < result.total), "losing when the payout shown is short");
        if (breakEven) {
            const mpq_class lowest(*breakEven, 10), total(result.total);
            Require(lowest * stake >= total && mpq_class(*breakEven - 1, 10) * stake < total,
                    "the break-even odds are the lowest tenth that pays the total back");
            Require(!isLosing || *odds < lowest, "a losing entry's odds are below break-even");
        }
    }
    Require(result.losingEntries.size() <= static_cast<std::size_t>(state.ItemCount),
            "losing entries are entries of the bet");
    if (result.total == 0) {
        Require(!result.combinedOddsHundredths, "no combined odds without a total");
    } else if (smallest) {
        Require(result.guaranteedPayout == *smallest, "the guaranteed payout is the least one");
        mpq_class combined(mpz_class(*smallest) * 100, mpz_class(result.total));
        combined.canonicalize(); // the total may be negative
        const std::int64_t hundredths = *result.combinedOddsHundredths;
        Require(mpq_class(hundredths) <= combined && combined < mpq_class(hundredths + 1),
                "the combined odds are the smallest payout over the total, rounded down");
    }
}

// A spread's stakes are the best there are: the target is met, 100 yen less on any one stake
// misses it (for a budget: lowers the guaranteed payout), and for a budget a higher guaranteed
// payout costs more than the budget.
void CheckSpread(const CalculationState& state, const PricedResult& result, const Spread& spread) {
    if (result.refusal) {
        Require(spread.by == SpreadBy::Profit, "only a profit can find no stakes");
        return;
    }
    std::vector<mpq_class> odds;
    for (int k = 1; k <= state.ItemCount; ++k) {
        const std::optional<std::string> text = state.EnteredOdds.at(k).text();
        const std::optional<mpq_class> exact = text ? ExactOdds(*text) : std::nullopt;
        if (!exact)
            return; // a form this reader does not take
        odds.push_back(*exact);
        const Yen stake = result.amounts[static_cast<std::size_t>(k - 1)];
        Require(stake >= 100 && stake % 100 == 0, "a spread stake is a multiple of 100");
    }
    const auto least = [&](const std::vector<Yen>& stakes) {
        mpq_class payout = odds[0] * stakes[0];
        for (std::size_t i = 1; i < odds.size(); ++i)
            payout = std::min(payout, mpq_class(odds[i] * stakes[i]));
        return payout;
    };
    const auto meets = [&](const std::vector<Yen>& stakes) {
        Yen total = 0;
        for (const Yen stake : stakes)
            total += stake;
        switch (spread.by) {
        case SpreadBy::Budget:
            return total <= spread.amount;
        case SpreadBy::Payout:
            return least(stakes) >= spread.amount;
        case SpreadBy::Profit:
            break;
        }
        return least(stakes) - total >= spread.amount;
    };
    const std::vector<Yen> stakes(result.amounts.begin(), result.amounts.begin() + odds.size());
    Require(meets(stakes), "the spread meets its target");
    const mpq_class guaranteed = least(stakes);
    for (std::size_t i = 0; i < stakes.size(); ++i) {
        if (stakes[i] == 100)
            continue;
        std::vector<Yen> less = stakes;
        less[i] -= 100;
        Require(spread.by == SpreadBy::Budget ? least(less) < guaranteed : !meets(less),
                "100 yen less on any stake misses the target");
    }
    if (spread.by == SpreadBy::Budget) {
        Yen raised = result.total;
        for (std::size_t i = 0; i < stakes.size(); ++i)
            raised += odds[i] * stakes[i] == guaranteed ? 100 : 0;
        Require(raised > spread.amount, "a higher guaranteed payout costs more than the budget");
        Require(result.unspent == spread.amount - result.total, "the unspent is what is left");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Line 1 is the count, lines 2 to 21 the odds; missing boxes hold their initial "0". Line
    // 22, when there is one, asks for a spread: "b", "p" or "r" (budget, payout, profit) and an
    // amount.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= input.size() && lines.size() < 22;) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        lines.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    OddsTexts texts;
    texts.fill("0");
    for (std::size_t k = 1; k < lines.size() && k <= texts.size(); ++k)
        texts[k - 1] = lines[k];
    for (const std::string& line : lines)
        CheckRoundTrip(line);

    std::optional<Spread> spread;
    if (lines.size() == 22 && !lines[21].empty()) {
        const char* kinds = "bpr";
        const char* kind = std::strchr(kinds, lines[21][0]);
        const std::optional<Integer> count = ReadItemCount(lines.front());
        if (kind && *kind && count) {
            const auto read = ReadSpread(static_cast<SpreadBy>(kind - kinds),
                                         std::string_view(lines[21]).substr(1), *count);
            if (const auto* asked = std::get_if<Spread>(&read))
                spread = *asked;
        }
    }

    CalculationState state;
    try {
        const PricedResult result = Calculate(ToInteger(lines.front()), texts, state,
                                              spread ? SpreadAsked(*spread) : SpreadAsked());
        const CheckOutcome outcome = result.verdict.outcome;
        Require(outcome != CheckOutcome::NotReady, "a completed evaluation is judged");
        Require(state.CalcReady == (outcome == CheckOutcome::Rejected ? 0 : 1),
                "only a rejection clears CalcReady");
        if (!result.accepted())
            return 0;
        Require(state.ItemCount >= 1 && state.ItemCount <= kEntryCount,
                "only a count of 1 to 20 can be priced");
        CheckStakes(state, result.stakes);
        if (spread) {
            CheckSpread(state, result, *spread);
            if (result.refusal)
                return 0;
        }
        CheckMoney(state, result, spread.has_value());
    } catch (const RuntimeError& error) {
        Require(error.number() == 6 || error.number() == 11 || error.number() == 13 ||
                    (error.kind() == ErrorKind::NegativeOdds && !error.number()),
                "one of the three run-time errors, or odds below 0");
    }
    return 0;
}
