// SPDX-License-Identifier: MIT
// The odds evaluation, step by step in the order the figures depend on.
#include "core/odds_evaluation.h"

#include "core/run_time_error.h"

namespace tenvo {

void EvaluateOdds(const OddsTexts& texts, CalculationState& state) {
    const std::string& first = texts[0];
    // OddsMax comes from entry 1 even when no entry takes part.
    const Integer firstOdds = AtEntry(
        1, [&] { return first; }, [&] { return ToInteger(first); });
    state.OddsMax = firstOdds;
    if (state.ItemCount >= 1) {
        state.EntryValues.put(1, Value(first));
        state.OddsSum = firstOdds; // starts the sum afresh from the same text
    }
    for (int k = 2; k <= kEntryCount; ++k) {
        if (state.ItemCount < k)
            continue;
        const std::string& text = texts[static_cast<std::size_t>(k - 1)];
        AtEntry(
            k, [&] { return text; },
            [&] {
                state.EntryValues.put(k, Value(text)); // stored before it is read
                const Double odds = ToDouble(text);
                // An equal value does not replace the maximum.
                if (odds > static_cast<Double>(state.OddsMax))
                    state.OddsMax = ToInteger(odds);
                // The sum is rounded back to an Integer after every addition.
                state.OddsSum = ToInteger(odds + static_cast<Double>(state.OddsSum));
            });
    }
    // The divisor is ItemCount itself, whatever the number of entries used.
    state.OddsAverage =
        CheckedDivide(static_cast<Single>(state.OddsSum), static_cast<Single>(state.ItemCount));
    state.CalcReady = 1;
}

} // namespace tenvo
