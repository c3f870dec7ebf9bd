// SPDX-License-Identifier: MIT
// The profit table, grouped ((odds x stake) x 1000) - total as the figures require.
#include "core/profit_table.h"

#include "core/run_time_error.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tenvo {

namespace {

Value Payout(const CalculationState& state, int k) {
    return Multiply(Multiply(state.EnteredOdds.at(k), state.EntryValues.at(k)),
                    Value(Integer{1000}));
}

Long Profit(const Value& payout, const CalculationState& state) {
    return ToLong(Subtract(payout, Value(state.TotalStake)));
}

template <class F> auto AtOddsEntry(const CalculationState& state, int k, F&& f) {
    return AtEntry(
        k, [&] { return state.EnteredOdds.at(k).text(); }, std::forward<F>(f));
}

} // namespace

EntryReturn EntryPayoutAndProfit(const CalculationState& state, int k) {
    return AtOddsEntry(state, k, [&] {
        const Value payout = Payout(state, k);
        const Long profit = Profit(payout, state);
        return EntryReturn{ToLong(payout), profit};
    });
}

Long EntryProfit(const CalculationState& state, int k) {
    return AtOddsEntry(state, k, [&] { return Profit(Payout(state, k), state); });
}

std::optional<std::int64_t> WholeAmount(const Value& amount) {
    // A whole number below 10^7 is shown with every digit, so it needs no text; that is every
    // amount of a usual bet.
    const double value = ToDouble(amount);
    if (value == std::nearbyint(value) && std::fabs(value) < 1e7)
        return static_cast<std::int64_t>(value);
    const std::string shown = ToText(amount);
    std::int64_t whole = 0;
    const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), whole);
    if (error != std::errc() || end != shown.data() + shown.size())
        return std::nullopt;
    return whole;
}

std::optional<std::int64_t> BreakEvenTenths(std::int64_t stake, std::int64_t total) {
    if (stake <= 0)
        return std::nullopt;
    const std::int64_t tenths = 10 * total;
    // Division truncates toward zero: that is the ceiling below zero, one short of it above.
    return tenths / stake + (tenths % stake > 0 ? 1 : 0);
}

std::optional<std::int64_t> CombinedOddsHundredths(Long payout, Single total) {
    if (total == 0)
        return std::nullopt;
    // Hundredths first, then one division: 100 x payout and the total are exact Doubles, and
    // a quotient below a whole number stays below it by far more than a Double's rounding,
    // so the floor is exact (dividing first would make 115 / 100 into 1.1499... x 100).
    return static_cast<std::int64_t>(std::floor(100.0 * payout / static_cast<double>(total)));
}

} // namespace tenvo
