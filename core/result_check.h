// SPDX-License-Identifier: MIT
// Whether the evaluated odds are high enough to spread a stake over the entries.
#pragma once

#include "core/calculation_state.h"

#include <string>

namespace tenvo {

enum class CheckOutcome { NotReady, Rejected, ZeroAverage, Accepted };

// The two messages of a rejection, the first line and the second.
inline constexpr const char* kFirstRejectionMessage = "適切な組み合わせは存在しまん";
inline constexpr const char* kSecondRejectionMessage = "倍率のより高いものを入力してください";

struct CheckVerdict {
    CheckOutcome outcome = CheckOutcome::NotReady;
    std::string averageText; // ToText(OddsAverage); empty for NotReady

    bool operator==(const CheckVerdict&) const = default;
};

// Judges OddsAverage against 2 x ItemCount - 2 when CalcReady is 1; a rejection clears
// CalcReady. The threshold overflows for an ItemCount at or beyond +-16384.
CheckVerdict CheckResult(CalculationState& state);

} // namespace tenvo
