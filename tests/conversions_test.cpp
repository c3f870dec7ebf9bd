// SPDX-License-Identifier: MIT
// Text and number conversions, ToText and Value arithmetic, checked figure for figure.
#include "core/number_text.h"
#include "core/run_time_error.h"
#include "core/value.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tenvo {
namespace {

// What ToInteger makes of a text: the Integer, or the error's kind.
std::string Read(const char* text) {
    try {
        return std::to_string(ToInteger(std::string_view(text)));
    } catch (const RuntimeError& error) {
        return error.kindName();
    }
}

TEST(TextToInteger, RoundsHalfToEvenAndReadsOnlyTheNumberForm) {
    const char* const mismatch = "type-mismatch";
    const char* rows[][2] = {
        // clang-format off
        {"2.5", "2"}, {"3.5", "4"}, {"-2.5", "-2"}, {"6.4", "6"}, {"32767.4", "32767"},
        {"-32768", "-32768"}, {"  +7  ", "7"}, {"\t5\t", "5"}, {".5", "0"}, {"5.", "5"},
        {"1E3", "1000"}, {"25e-1", "2"}, {"1e+2", "100"}, {"1e-400", "0"},
        {"00000000000000000000000000012", "12"}, {"12.000000000000000000000000001", "12"},
        // full-width forms typed with the input method on
        {"３", "3"}, {"１０", "10"}, {"－２．５", "-2"}, {"＋１２", "12"}, {"　７　", "7"},
        {"32767.5", "overflow"}, {"-32768.6", "overflow"}, {"1e400", "overflow"},
        {"", mismatch}, {"   ", mismatch}, {"abc", mismatch}, {".", mismatch}, {"1e", mismatch},
        {"1e ", mismatch}, {"1E+", mismatch}, {"２，５", mismatch}, {"1,000", mismatch},
        {"2,5", mismatch}, {"&H10", mismatch}, {"0x10", mismatch}, {"¥100", mismatch},
        {"inf", mismatch}, {"nan", mismatch}, {"--1", mismatch}, {"1 2", mismatch},
        {"1d2", mismatch}, {"３a", mismatch}, {"ー5", mismatch}, {"1ぎ5", mismatch},
        // clang-format on
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(Read(text), expected) << text;
}

// The short exact path and from_chars must agree with a correctly rounding reader.
TEST(TextToNumber, RoundsToTheNearestDouble) {
    for (const char* text :
         {"0.1", "38.5", "123456789012345.6", "9007199254740993", "0.30000000000000004",
          "1.7976931348623157e308", "4.9e-324", "2.2250738585072011e-308", "1e22", "1e23", "8.5e-5",
          "123456789012345678901234567890", " 12345678901234567 ", "9007199254740991",
          "9007199254740991e-22", "9007199254740991e22", "4503599627370497.5",
          "9007199254740993e-5", "12345678901234567e-3"}) {
        EXPECT_EQ(ParseDouble(text), std::strtod(text, nullptr)) << text;
    }
    // Far below the smallest Double despite a positive exponent: it reads as 0, no overflow.
    EXPECT_EQ(ParseDouble("0." + std::string(400, '0') + "1e10"), 0.0);
}

TEST(NumberToText, WritesPlainDigitsRoundedFromTheExactValue) {
    // Called row by row: g++ 12 warns falsely about an array of Values built in place.
    const auto shows = [](const Value& value, const char* text) { EXPECT_EQ(ToText(value), text); };
    // clang-format off
    shows(Value(Integer{600}), "600"); shows(Value(Long{-2600}), "-2600");
    shows(Value(Single{2400}), "2400"); shows(Value(Single{12.5f}), "12.5");
    shows(Value(7.0f / 3.0f), "2.333333"); shows(Value(14.0f / 3.0f), "4.666667");
    shows(Value(Single{0}), "0"); shows(Value(-0.0f), "0"); shows(Value(1.1f * 1000.0f), "1100");
    shows(Value(Double{8000}), "8000"); shows(Value(Single{95000.01f}), "95000.01");
    shows(Value(Single{12345678.0f}), "12345680"); shows(Value(Single{19001000.0f}), "19001000");
    shows(Value(Single{-0.125f}), "-0.125"); shows(Value(Single{0.00003051851f}), "0.00003051851");
    shows(Value(Double{1.0 / 3.0}), "0.333333333333333");
    shows(Value(Double{1e20}), "100000000000000000000");
    shows(Value(Single{10000005.0f}), "10000000"); // a tie at the seventh digit goes to even
    shows(Value(Single{10000015.0f}), "10000020");
    shows(Value(std::string("abc")), "abc"); shows(Value(), "0");
    // clang-format on
}

TEST(ValueArithmetic, TakesTheWiderTypeAndRoundsToIt) {
    const Value text2(std::string("2"));
    const std::pair<Value, Value> rows[] = {
        {Multiply(text2, Value(1.6f)), Value(2.0 * static_cast<double>(1.6f))},
        {Multiply(Value(Integer{0}), Value(Integer{1000})), Value(Integer{0})},
        {Subtract(Value(Integer{0}), Value(2600.0f)), Value(-2600.0f)},
        {Multiply(Value(1.1f), Value(Integer{1000})), Value(1.1f * 1000.0f)},
        {Multiply(Value(Integer{300}), Value(Integer{300})), Value(Long{90000})},
        {Multiply(Value(Long{100000}), Value(Long{100000})), Value(Double{1e10})},
        {Add(Value(Long{1}), Value(0.1f)), Value(1.0 + static_cast<double>(0.1f))},
        {Add(Value(), Value(Integer{5})), Value(Integer{5})},
        {Add(Value(16777216.0f), Value(1.0f)), Value(16777216.0f)},
        {Subtract(Value(Long{-2147483647}), Value(Integer{1})), Value(Long{INT32_MIN})},
        {Add(Value(Long{1}), Value(Integer{1})), Value(Long{2})},
        {Add(Value(Long{1}), Value(Long{1})), Value(Long{2})}};
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
}

} // namespace
} // namespace tenvo
