// SPDX-License-Identifier: MIT
// Reading and writing numbers as text, the same in every locale.
#pragma once

#include <string>
#include <string_view>

namespace tenvo {

// Reads the number form that every box accepts: optional blanks, an optional sign, digits with
// an optional "." and fraction, an optional exponent ("E" and a signed integer), optional blanks.
// Full-width digits, "．", "－", "＋" and the full-width space count as their ASCII twins.
// Anything else is a Type mismatch; a number beyond the Double range is an Overflow.
double ParseDouble(std::string_view text);

// value rounded to `digits` significant digits, written in plain decimal digits without
// exponent, trailing zeros or a trailing point ("2.333333", "2400", "19001000", "0").
std::string FormatSignificant(double value, int digits);

} // namespace tenvo
