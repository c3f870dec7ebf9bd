// SPDX-License-Identifier: MIT
// Conversions and arithmetic on Value, each step rounded in its own type.
#include "core/value.h"

#include "core/number_text.h"
#include "core/run_time_error.h"

#include <algorithm>
#include <cmath>

namespace tenvo {
namespace {

[[noreturn]] void Fail(ErrorKind kind) { throw RuntimeError(kind); }

template <class F> F CheckFinite(F result) {
    if (!std::isfinite(result))
        Fail(ErrorKind::Overflow);
    return result;
}

// Round half to even, then fail unless the result lies in [low, high].
double RoundInRange(double x, double low, double high) {
    const double r = std::nearbyint(x); // the default rounding mode sends ties to even
    if (!(r >= low && r <= high))       // also false for NaN
        Fail(ErrorKind::Overflow);
    return r;
}

// A Value brought to a number: its type's rank in the widening order and its value. Every
// number type widens exactly into a Double. Empty is the Integer 0, a Text a Double.
enum Rank { kInteger, kLong, kSingle, kDouble };

struct Number {
    Rank rank;
    double value;
};

Number ToNumber(const Value& v) {
    const Value::Variant& x = v.variant();
    if (const auto* i = std::get_if<Integer>(&x))
        return {kInteger, static_cast<double>(*i)};
    if (const auto* l = std::get_if<Long>(&x))
        return {kLong, static_cast<double>(*l)};
    if (const auto* f = std::get_if<Single>(&x))
        return {kSingle, static_cast<double>(*f)};
    if (const auto* d = std::get_if<Double>(&x))
        return {kDouble, *d};
    if (const auto* text = std::get_if<std::string>(&x))
        return {kDouble, ParseDouble(*text)};
    if (std::holds_alternative<Empty>(x))
        return {kInteger, 0.0};
    Fail(ErrorKind::TypeMismatch); // an array is no number
}

enum class Op { Add, Subtract, Multiply };

template <class T> T Apply(Op op, T a, T b) {
    switch (op) {
    case Op::Add:
        return a + b;
    case Op::Subtract:
        return a - b;
    case Op::Multiply:
        return a * b;
    }
    return T{};
}

Value Arithmetic(Op op, const Value& left, const Value& right) {
    const Number a = ToNumber(left);
    const Number b = ToNumber(right);
    Rank rank = std::max(a.rank, b.rank);
    if (std::min(a.rank, b.rank) == kLong && rank == kSingle)
        rank = kDouble; // a Single cannot hold every Long
    switch (rank) {
    case kInteger:
    case kLong: {
        // Exact in a Double whenever the result fits a Long; beyond that it is the Double the
        // result widens to.
        const double r = Apply(op, a.value, b.value);
        if (rank == kInteger && r >= INT16_MIN && r <= INT16_MAX)
            return Value(static_cast<Integer>(r));
        if (r >= INT32_MIN && r <= INT32_MAX)
            return Value(static_cast<Long>(r));
        return Value(r);
    }
    case kSingle: // both operands are Integers or Singles: they narrow exactly
        return Value(
            CheckFinite(Apply(op, static_cast<Single>(a.value), static_cast<Single>(b.value))));
    case kDouble:
        break;
    }
    return Value(CheckFinite(Apply(op, a.value, b.value)));
}

} // namespace

std::optional<std::string> Value::text() const {
    if (const auto* s = std::get_if<std::string>(&m_v))
        return *s;
    return std::nullopt;
}

const Value& Value::at(int index) const {
    const auto* elements = std::get_if<ValueArray>(&m_v);
    if (!elements)
        Fail(ErrorKind::TypeMismatch);
    return elements->at(static_cast<std::size_t>(index));
}

void Value::put(int index, Value element) {
    auto* elements = std::get_if<ValueArray>(&m_v);
    if (!elements)
        Fail(ErrorKind::TypeMismatch);
    elements->at(static_cast<std::size_t>(index)) = std::move(element);
}

Value ZeroArray(int size) {
    return Value(ValueArray(static_cast<std::size_t>(size), Value(Integer{0})));
}

Integer ToInteger(Double x) { return static_cast<Integer>(RoundInRange(x, INT16_MIN, INT16_MAX)); }
Integer ToInteger(std::string_view text) { return ToInteger(ParseDouble(text)); }
Integer ToInteger(const Value& v) { return ToInteger(ToNumber(v).value); }

Long ToLong(Double x) { return static_cast<Long>(RoundInRange(x, INT32_MIN, INT32_MAX)); }
Long ToLong(std::string_view text) { return ToLong(ParseDouble(text)); }
Long ToLong(const Value& v) { return ToLong(ToNumber(v).value); }

Double ToDouble(std::string_view text) { return ParseDouble(text); }
Double ToDouble(const Value& v) { return ToNumber(v).value; }

std::string ToText(Integer x) { return std::to_string(x); }
std::string ToText(Long x) { return std::to_string(x); }
std::string ToText(Single x) { return FormatSignificant(x, 7); }
std::string ToText(Double x) { return FormatSignificant(x, 15); }
std::string ToText(const Value& v) {
    if (const auto text = v.text())
        return *text;
    const Number n = ToNumber(v);
    switch (n.rank) {
    case kInteger:
    case kLong:
        return ToText(static_cast<Long>(n.value));
    case kSingle:
        return ToText(static_cast<Single>(n.value));
    case kDouble:
        break;
    }
    return ToText(n.value);
}

Value Add(const Value& a, const Value& b) { return Arithmetic(Op::Add, a, b); }
Value Subtract(const Value& a, const Value& b) { return Arithmetic(Op::Subtract, a, b); }
Value Multiply(const Value& a, const Value& b) { return Arithmetic(Op::Multiply, a, b); }

Single CheckedDivide(Single a, Single b) {
    if (b == 0)
        Fail(a == 0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    return CheckFinite(a / b);
}
Single CheckedMultiply(Single a, Single b) { return CheckFinite(a * b); }
Single CheckedAdd(Single a, Single b) { return CheckFinite(a + b); }

Integer CheckedAdd(Integer a, Integer b) {
    return ToInteger(static_cast<Double>(a) + static_cast<Double>(b));
}
Integer CheckedSubtract(Integer a, Integer b) {
    return ToInteger(static_cast<Double>(a) - static_cast<Double>(b));
}
Integer CheckedMultiply(Integer a, Integer b) {
    return ToInteger(static_cast<Double>(a) * static_cast<Double>(b));
}

} // namespace tenvo
