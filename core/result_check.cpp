// SPDX-License-Identifier: MIT
// The result check: the threshold test comes before the zero test.
#include "core/result_check.h"

namespace tenvo {

CheckVerdict CheckResult(CalculationState& state) {
    if (state.CalcReady != 1)
        return {};
    const Integer threshold =
        CheckedSubtract(CheckedMultiply(Integer{2}, state.ItemCount), Integer{2});
    CheckVerdict verdict;
    if (state.OddsAverage < static_cast<Single>(threshold)) {
        state.CalcReady = 0;
        verdict.outcome = CheckOutcome::Rejected;
    } else if (state.OddsAverage == 0) {
        verdict.outcome = CheckOutcome::ZeroAverage;
    } else {
        verdict.outcome = CheckOutcome::Accepted;
    }
    verdict.averageText = ToText(state.OddsAverage);
    return verdict;
}

} // namespace tenvo
