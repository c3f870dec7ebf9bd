// SPDX-License-Identifier: MIT
// Turns the twenty odds texts into the stored odds, their maximum, sum and average.
#pragma once

#include "core/calculation_state.h"

namespace tenvo {

// Evaluates the odds of entries 1 to ItemCount (entry 1 is always read) into state and sets
// CalcReady. Stops at the first failing step with a RuntimeError, fields written so far kept.
void EvaluateOdds(const OddsTexts& texts, CalculationState& state);

} // namespace tenvo
