// The profit table, grouped ((odds x stake) x 1000) - total as the figures require.
#include "core/profit_table.h"

#include "core/run_time_error.h"

namespace tenvo {

Long EntryProfit(const CalculationState& state, int k) {
    const Value& odds = state.EnteredOdds.at(k);
    return AtEntry(
        k, [&] { return odds.text(); },
        [&] {
            const Value payout =
                Multiply(Multiply(odds, state.EntryValues.at(k)), Value(Integer{1000}));
            return ToLong(Subtract(payout, Value(state.TotalStake)));
        });
}

ProfitTable ComputeProfitTable(const CalculationState& state) {
    ProfitTable table{};
    for (int k = 1; k <= kEntryCount; ++k)
        table[static_cast<std::size_t>(k - 1)] = EntryProfit(state, k);
    return table;
}

} // namespace tenvo
