// SPDX-License-Identifier: MIT
// The record of every figure that passes from one window to the next.
#pragma once

#include "core/value.h"

#include <array>
#include <string>

namespace tenvo {

// The entries of a bet, numbered 1 to 20: the odds boxes, and the most a count may be.
constexpr int kEntryCount = 20;

// The entry arrays hold 40 elements, indices 0 to 39, and entry k uses index k. Index 0 and
// indices 21 to 39 are never written. The room above 20 is not idle: a count above 20 makes
// the stake table read element 21, still the Integer 0, and stop there dividing by zero,
// rather than read past the array.
constexpr int kEntryArraySize = 40;

// A plain value: copying a state copies both entry arrays, so a copy can be worked on and
// kept only when an operation succeeds.
struct CalculationState {
    Integer ItemCount = 0;
    Integer OddsSum = 0;
    Single OddsAverage = 0;
    Integer OddsMax = 0;
    Integer CalcReady = 0;
    Value EntryValues; // Empty until the main window first loads, then an array
    Value EnteredOdds; // likewise
    Single TotalStake = 0;

    bool operator==(const CalculationState&) const = default;
};

// Replaces EntryValues and then EnteredOdds with new, separate arrays of Integer zeros.
void CreateEntryArrays(CalculationState& state);

// The twenty texts typed for entries 1 to 20, entry 1 first.
using OddsTexts = std::array<std::string, kEntryCount>;

} // namespace tenvo
