// SPDX-License-Identifier: MIT
// The calculation state's entry arrays.
#include "core/calculation_state.h"

namespace tenvo {

void CreateEntryArrays(CalculationState& state) {
    state.EntryValues = ZeroArray(kEntryArraySize);
    state.EnteredOdds = ZeroArray(kEntryArraySize);
}

} // namespace tenvo
