// SPDX-License-Identifier: MIT
// The profit table, grouped ((odds x stake) x 1000) - total as the figures require.
#include "core/profit_table.h"

#include "core/run_time_error.h"

#include <cmath>

namespace tenvo {
namespace {

Value Payout(const CalculationState& state, int k) {
    return Multiply(Multiply(state.EnteredOdds.at(k), state.EntryValues.at(k)),
                    Value(Integer{1000}));
}

template <class F> Long AtOddsEntry(const CalculationState& state, int k, F&& f) {
    return AtEntry(
        k, [&] { return state.EnteredOdds.at(k).text(); }, std::forward<F>(f));
}

} // namespace

Long EntryPayout(const CalculationState& state, int k) {
    return AtOddsEntry(state, k, [&] { return ToLong(Payout(state, k)); });
}

Long EntryProfit(const CalculationState& state, int k) {
    return AtOddsEntry(state, k,
                       [&] { return ToLong(Subtract(Payout(state, k), Value(state.TotalStake))); });
}

ProfitTable ComputeProfitTable(const CalculationState& state) {
    ProfitTable table{};
    for (int k = 1; k <= kEntryCount; ++k)
        table[static_cast<std::size_t>(k - 1)] = EntryProfit(state, k);
    return table;
}

std::optional<std::int64_t> CombinedOddsHundredths(Long payout, Single total) {
    if (total == 0)
        return std::nullopt;
    // Every product below is exact in a Double: an integer below 2^40 times a Single. With a
    // negative total (negative odds can give one) both sides change sign.
    const double limit = total < 0 ? -100.0 * payout : 100.0 * payout;
    const double divisor = std::fabs(static_cast<double>(total));
    auto q = static_cast<std::int64_t>(std::floor(limit / divisor));
    while (static_cast<double>(q + 1) * divisor <= limit)
        ++q;
    while (static_cast<double>(q) * divisor > limit)
        --q;
    return q;
}

} // namespace tenvo
