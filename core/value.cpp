// Conversions and arithmetic on Value, each step rounded in its own type.
#include "core/value.h"

#include "core/number_text.h"
#include "core/run_time_error.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

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

// A Value brought to one of the four number types: Empty is the Integer 0, a Text a Double.
using Number = std::variant<Integer, Long, Single, Double>;

Number ToNumber(const Value& v) {
    return std::visit(
        [](const auto& x) -> Number {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, Empty>)
                return Integer{0};
            else if constexpr (std::is_same_v<T, std::string>)
                return ParseDouble(x);
            else if constexpr (std::is_same_v<T, ValueArray>)
                Fail(ErrorKind::TypeMismatch);
            else
                return x;
        },
        v.variant());
}

double AsDouble(const Number& n) {
    return std::visit([](auto x) { return static_cast<double>(x); }, n);
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
    // Variant indices follow the widening order Integer, Long, Single, Double.
    std::size_t rank = std::max(a.index(), b.index());
    if ((a.index() == 1 && b.index() == 2) || (a.index() == 2 && b.index() == 1))
        rank = 3;
    switch (rank) {
    case 0: {
        const auto r = Apply<std::int32_t>(op, std::get<Integer>(a), std::get<Integer>(b));
        if (r >= INT16_MIN && r <= INT16_MAX)
            return Value(static_cast<Integer>(r));
        return Value(static_cast<Long>(r));
    }
    case 1: {
        const auto r = Apply<std::int64_t>(op, static_cast<std::int64_t>(AsDouble(a)),
                                           static_cast<std::int64_t>(AsDouble(b)));
        if (r >= INT32_MIN && r <= INT32_MAX)
            return Value(static_cast<Long>(r));
        return Value(static_cast<Double>(r));
    }
    case 2: // both operands are Integer or Single here, so the widening is exact
        return Value(CheckFinite(
            Apply<Single>(op, static_cast<Single>(AsDouble(a)), static_cast<Single>(AsDouble(b)))));
    default:
        return Value(CheckFinite(Apply<Double>(op, AsDouble(a), AsDouble(b))));
    }
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
Integer ToInteger(const Value& v) {
    const Number n = ToNumber(v);
    if (const auto* i = std::get_if<Integer>(&n))
        return *i;
    return ToInteger(AsDouble(n));
}

Long ToLong(Double x) { return static_cast<Long>(RoundInRange(x, INT32_MIN, INT32_MAX)); }
Long ToLong(std::string_view text) { return ToLong(ParseDouble(text)); }
Long ToLong(const Value& v) { return ToLong(AsDouble(ToNumber(v))); }

Single ToSingle(Double x) {
    // FLT_MAX plus half its last place: from there on the nearest Single is infinity.
    constexpr double kSingleLimit = 0x1.ffffffp127;
    if (std::isnan(x) || std::fabs(x) >= kSingleLimit)
        Fail(ErrorKind::Overflow);
    return static_cast<Single>(x);
}
Single ToSingle(std::string_view text) { return ParseSingle(text); }
Single ToSingle(const Value& v) {
    if (const auto text = v.text())
        return ParseSingle(*text);
    return ToSingle(AsDouble(ToNumber(v)));
}

Double ToDouble(std::string_view text) { return ParseDouble(text); }
Double ToDouble(const Value& v) { return AsDouble(ToNumber(v)); }

std::string ToText(Integer x) { return std::to_string(x); }
std::string ToText(Long x) { return std::to_string(x); }
std::string ToText(Single x) { return FormatSignificant(x, 7); }
std::string ToText(Double x) { return FormatSignificant(x, 15); }
std::string ToText(const Value& v) {
    if (const auto text = v.text())
        return *text;
    return std::visit([](auto x) { return ToText(x); }, ToNumber(v));
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
