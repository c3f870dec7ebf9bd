// Text and number conversions, ToText and Value arithmetic, checked figure for figure.
#include "core/number_text.h"
#include "core/run_time_error.h"
#include "core/value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace tenvo {
namespace {

std::optional<ErrorKind> KindOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

struct IntegerCase {
    const char* text;
    int expected; // ignored when an error is expected
    std::optional<ErrorKind> error;
};

class TextToInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToInteger, RoundsHalfToEvenAndChecksTheRange) {
    const IntegerCase& c = GetParam();
    if (c.error) {
        EXPECT_EQ(KindOf([&] { ToInteger(std::string_view(c.text)); }), c.error) << c.text;
    } else {
        EXPECT_EQ(ToInteger(std::string_view(c.text)), c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToInteger,
    testing::Values(
        IntegerCase{"2.5", 2, {}}, IntegerCase{"3.5", 4, {}}, IntegerCase{"-2.5", -2, {}},
        IntegerCase{"6.4", 6, {}}, IntegerCase{"32767.4", 32767, {}},
        IntegerCase{"-32768", -32768, {}}, IntegerCase{"  +7  ", 7, {}},
        IntegerCase{"\t5\t", 5, {}}, IntegerCase{".5", 0, {}}, IntegerCase{"5.", 5, {}},
        IntegerCase{"1E3", 1000, {}}, IntegerCase{"25e-1", 2, {}}, IntegerCase{"1e+2", 100, {}},
        IntegerCase{"0.5", 0, {}}, IntegerCase{"1e-400", 0, {}},
        // full-width forms typed with the input method on
        IntegerCase{"３", 3, {}}, IntegerCase{"－２．５", -2, {}}, IntegerCase{"＋１２", 12, {}},
        IntegerCase{"　７　", 7, {}}, IntegerCase{"32767.5", 0, ErrorKind::Overflow},
        IntegerCase{"-32768.6", 0, ErrorKind::Overflow},
        IntegerCase{"1e400", 0, ErrorKind::Overflow}, IntegerCase{"", 0, ErrorKind::TypeMismatch},
        IntegerCase{"   ", 0, ErrorKind::TypeMismatch},
        IntegerCase{"abc", 0, ErrorKind::TypeMismatch},
        IntegerCase{".", 0, ErrorKind::TypeMismatch}, IntegerCase{"1e", 0, ErrorKind::TypeMismatch},
        IntegerCase{"1,000", 0, ErrorKind::TypeMismatch},
        IntegerCase{"2,5", 0, ErrorKind::TypeMismatch},
        IntegerCase{"&H10", 0, ErrorKind::TypeMismatch},
        IntegerCase{"0x10", 0, ErrorKind::TypeMismatch},
        IntegerCase{"¥100", 0, ErrorKind::TypeMismatch},
        IntegerCase{"inf", 0, ErrorKind::TypeMismatch},
        IntegerCase{"nan", 0, ErrorKind::TypeMismatch},
        IntegerCase{"--1", 0, ErrorKind::TypeMismatch},
        IntegerCase{"1 2", 0, ErrorKind::TypeMismatch},
        IntegerCase{"1d2", 0, ErrorKind::TypeMismatch}));

TEST(TextToNumber, IsTheSameUnderAnyNumericLocale) {
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(ParseDouble("2.5"), 2.5);
    EXPECT_EQ(KindOf([] { ParseDouble("2,5"); }), ErrorKind::TypeMismatch);
    EXPECT_EQ(ToText(Single{2.5f}), "2.5");
    EXPECT_EQ(ToText(7.0f / 3.0f), "2.333333");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(TextToNumber, SingleAndDoubleRoundTheNumberThemselves) {
    EXPECT_EQ(ParseSingle("0.1"), 0.1f);
    EXPECT_EQ(ParseDouble("0.1"), 0.1);
    EXPECT_EQ(ParseSingle("3.4028235e38"), 3.4028235e38f);
    EXPECT_EQ(KindOf([] { ParseSingle("3.5e38"); }), ErrorKind::Overflow);
    EXPECT_EQ(ParseSingle("1e-50"), 0.0f);
    EXPECT_EQ(ParseDouble("1e308"), 1e308);
}

struct TextCase {
    Value value;
    const char* expected;
};

class NumberToText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToText, WritesWhatTheBoxShows) {
    EXPECT_EQ(ToText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberToText,
    testing::Values(TextCase{Value(Integer{600}), "600"}, TextCase{Value(Long{-2600}), "-2600"},
                    TextCase{Value(Integer{0}), "0"}, TextCase{Value(Single{2400}), "2400"},
                    TextCase{Value(Single{12.5f}), "12.5"},
                    TextCase{Value(7.0f / 3.0f), "2.333333"},
                    TextCase{Value(14.0f / 3.0f), "4.666667"}, TextCase{Value(Single{0.5f}), "0.5"},
                    TextCase{Value(Single{0}), "0"}, TextCase{Value(-0.0f), "0"},
                    TextCase{Value(1.1f * 1000.0f), "1100"}, TextCase{Value(Double{8000}), "8000"},
                    TextCase{Value(Single{95000.01f}), "95000.01"},
                    TextCase{Value(Single{1234567.0f}), "1234567"},
                    TextCase{Value(Single{12345678.0f}), "12345680"},
                    TextCase{Value(Single{19001000.0f}), "19001000"},
                    TextCase{Value(Single{-0.125f}), "-0.125"},
                    TextCase{Value(Single{0.00003051851f}), "0.00003051851"},
                    TextCase{Value(Double{1.0 / 3.0}), "0.333333333333333"},
                    TextCase{Value(Double{1e20}), "100000000000000000000"},
                    // a tie at the seventh digit goes to the even digit
                    TextCase{Value(Single{10000005.0f}), "10000000"},
                    TextCase{Value(Single{10000015.0f}), "10000020"},
                    TextCase{Value(Single{0.5f + 0x1p-24f}), "0.5000001"},
                    TextCase{Value(std::string("abc")), "abc"}, TextCase{Value(), "0"}));

struct ArithmeticCase {
    const char* name;
    Value result;
    Value expected;
};

class ValueArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(ValueArithmetic, TakesTheWiderTypeAndRoundsToIt) {
    EXPECT_EQ(GetParam().result, GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueArithmetic,
    testing::Values(
        ArithmeticCase{"text times single is a double",
                       Multiply(Value(std::string("2")), Value(1.6f)),
                       Value(2.0 * static_cast<double>(1.6f))},
        ArithmeticCase{"integer zeros stay integer",
                       Multiply(Value(Integer{0}), Value(Integer{1000})), Value(Integer{0})},
        ArithmeticCase{"integer minus single is single",
                       Subtract(Value(Integer{0}), Value(2600.0f)), Value(-2600.0f)},
        ArithmeticCase{"single times integer is single",
                       Multiply(Value(1.1f), Value(Integer{1000})), Value(1.1f * 1000.0f)},
        ArithmeticCase{"integer overflow widens to long",
                       Multiply(Value(Integer{300}), Value(Integer{300})), Value(Long{90000})},
        ArithmeticCase{"long overflow widens to double",
                       Multiply(Value(Long{100000}), Value(Long{100000})), Value(Double{1e10})},
        ArithmeticCase{"long with single gives double", Add(Value(Long{1}), Value(0.1f)),
                       Value(1.0 + static_cast<double>(0.1f))},
        ArithmeticCase{"empty counts as integer zero", Add(Value(), Value(Integer{5})),
                       Value(Integer{5})},
        ArithmeticCase{"single addition rounds to single", Add(Value(16777216.0f), Value(1.0f)),
                       Value(16777216.0f)}));

TEST(ValueArithmetic, FailsWithTheRunTimeErrorOfItsStep) {
    EXPECT_EQ(KindOf([] { Multiply(Value(std::string("abc")), Value(1.0f)); }),
              ErrorKind::TypeMismatch);
    EXPECT_EQ(KindOf([] { Multiply(Value(3e38f), Value(10.0f)); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { Multiply(Value(std::string("1e200")), Value(std::string("1e200"))); }),
              ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { CheckedDivide(5.0f, 0.0f); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf([] { CheckedDivide(0.0f, 0.0f); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { CheckedAdd(Integer{32767}, Integer{1}); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { ToLong(2147483647.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] { ToSingle(1e39); }), ErrorKind::Overflow);
    EXPECT_EQ(KindOf([] {
                  ZeroArray(40).put(1, Value());
                  Value().at(1);
              }),
              ErrorKind::TypeMismatch);
}

TEST(ValueArrays, CopiesShareNothing) {
    Value original = ZeroArray(40);
    Value copy = original;
    copy.put(3, Value(std::string("7")));
    EXPECT_EQ(original.at(3), Value(Integer{0}));
    EXPECT_EQ(copy.at(3), Value(std::string("7")));
}

TEST(RunTimeErrors, CarryNumberDescriptionAndPlace) {
    RuntimeError error(ErrorKind::TypeMismatch);
    error.setPlace(3, "abc");
    error.setPlace(5, "x"); // the first place recorded wins
    EXPECT_EQ(error.number(), 13);
    EXPECT_EQ(ErrorMessage(error), "実行時エラー '13':\n型が一致しません。\n(3) の倍率「abc」");
    EXPECT_EQ(RuntimeError(ErrorKind::Overflow).number(), 6);
    EXPECT_EQ(ErrorMessage(RuntimeError(ErrorKind::DivisionByZero)),
              "実行時エラー '11':\n0 で除算しました。");
}

} // namespace
} // namespace tenvo
