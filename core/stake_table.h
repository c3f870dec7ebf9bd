// SPDX-License-Identifier: MIT
// How much to put on each entry so that every entry pays out about the same.
#pragma once

#include "core/calculation_state.h"

#include <array>

namespace tenvo {

struct StakeTable {
    Single TotalAmount = 0;                      // the total investment in currency units
    std::array<Value, kEntryCount> EntryAmounts; // entry 1 first: the stake times the Integer 1000

    bool operator==(const StakeTable&) const = default;
};

// A stake ratio rounded to tenths and, when it is not whole, raised by one tenth, every step
// in single precision: 7 / 3 gives 2.4, 1.75 gives 1.9, 2.5 gives 2.6, 3 stays 3.
Single RoundStakeUp(Single r);

// Prices entries 1 to ItemCount: their odds texts go to EnteredOdds, their stakes (in
// thousands) replace them in EntryValues, entries above ItemCount are reset to the Integer 0,
// and the total goes to TotalStake. Stops at the first failing entry with a RuntimeError: odds
// that round to 0 divide by zero, and odds below 0 are refused, as no stake can be negative.
StakeTable ComputeStakeTable(CalculationState& state);

} // namespace tenvo
