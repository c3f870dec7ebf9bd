// SPDX-License-Identifier: MIT
// Reading and writing numbers as text, the same in every locale.
#pragma once

#include <string>
#include <string_view>

namespace tenvo {

// Reads the number form that every box accepts, as the user's guide describes it under "Numbers
// Tenvo reads" (docs/guide.md). Anything else is a Type mismatch; a number beyond the Double
// range is an Overflow.
double ParseDouble(std::string_view text);

// A number text read exactly, in the same form and with the same Type mismatch as ParseDouble:
// (negative ? -1 : 1) x digits x 10^exponent, the digits without leading or trailing zeros and
// empty for zero. "３．５" is 35 x 10^-1, "1E1" is 1 x 10^1.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};
DecimalNumber ReadDecimal(std::string_view text);

// value rounded to `digits` significant digits, written in plain decimal digits without
// exponent, trailing zeros or a trailing point ("2.333333", "2400", "19001000", "0").
std::string FormatSignificant(double value, int digits);

} // namespace tenvo
