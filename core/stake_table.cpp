// SPDX-License-Identifier: MIT
// The stake table: the largest odds over each entry's odds, rounded up to tenths.
#include "core/stake_table.h"

#include "core/run_time_error.h"

#include <algorithm>

namespace tenvo {

Single RoundStakeUp(Single r) {
    const Integer whole = ToInteger(static_cast<Double>(r));
    Single fraction = r - static_cast<Single>(whole); // exact, within -0.5 to 0.5
    if (fraction == 0)
        return r; // a whole stake gets no extra tenth
    const Single base = r - fraction;
    fraction = CheckedMultiply(fraction, 10.0f);
    const Integer tenths = CheckedAdd(ToInteger(static_cast<Double>(fraction)), Integer{1});
    return CheckedAdd(base, CheckedDivide(static_cast<Single>(tenths), 10.0f));
}

StakeTable ComputeStakeTable(CalculationState& state) {
    const Integer count = state.ItemCount; // read once, before the first entry
    Single sum = 0;
    for (int i = 1; i <= count; ++i) {
        // Odds priced as a whole number, ties to even; the text stays in EnteredOdds.
        const Integer o = AtEntry(
            i, [&] { return state.EntryValues.at(i).text(); },
            [&] { return ToInteger(state.EntryValues.at(i)); });
        state.EnteredOdds.put(i, state.EntryValues.at(i));
        AtEntry(
            i, [&] { return state.EnteredOdds.at(i).text(); },
            [&] {
                if (o < 0)
                    throw RuntimeError(ErrorKind::NegativeOdds); // no stake can be negative
                const Single ratio =
                    CheckedDivide(static_cast<Single>(state.OddsMax), static_cast<Single>(o));
                state.EntryValues.put(i, Value(ratio));
                const Single stake = RoundStakeUp(ratio);
                state.EntryValues.put(i, Value(stake));
                sum = CheckedAdd(sum, stake);
            });
    }
    // Entries outside this bet must not show what an earlier, larger bet left behind.
    for (int k = std::max(count + 1, 1); k <= kEntryCount; ++k) {
        state.EntryValues.put(k, Value(Integer{0}));
        state.EnteredOdds.put(k, Value(Integer{0}));
    }

    StakeTable table;
    table.TotalAmount = CheckedMultiply(1000.0f, sum);
    for (int k = 1; k <= kEntryCount; ++k)
        table.EntryAmounts[static_cast<std::size_t>(k - 1)] =
            Multiply(state.EntryValues.at(k), Value(Integer{1000}));
    state.TotalStake = table.TotalAmount; // the last write of the run
    return table;
}

} // namespace tenvo
