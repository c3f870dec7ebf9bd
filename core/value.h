// SPDX-License-Identifier: MIT
// The tagged value held by the entry arrays, its conversions and its arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tenvo {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Double = double;

struct Empty {
    bool operator==(const Empty&) const = default;
};

class Value;
using ValueArray = std::vector<Value>;

// Exactly one of Empty, Integer, Long, Single, Double, Text or an array of Values. Copies are
// deep: an array copied into another Value shares nothing with it.
class Value {
public:
    using Variant = std::variant<Empty, Integer, Long, Single, Double, std::string, ValueArray>;

    Value() = default;
    explicit Value(Integer v)
        : m_v(v) {}
    explicit Value(Long v)
        : m_v(v) {}
    explicit Value(Single v)
        : m_v(v) {}
    explicit Value(Double v)
        : m_v(v) {}
    explicit Value(std::string text)
        : m_v(std::move(text)) {}
    explicit Value(ValueArray elements)
        : m_v(std::move(elements)) {}

    template <class T> const T& get() const { return std::get<T>(m_v); }
    const Variant& variant() const { return m_v; }

    // The Text this Value holds, if it holds one.
    std::optional<std::string> text() const;

    // Element access on an array Value; anything else is a Type mismatch.
    const Value& at(int index) const;
    void put(int index, Value element);

    bool operator==(const Value&) const = default;

private:
    Variant m_v;
};

// A new array of `size` elements, every one the Integer 0.
Value ZeroArray(int size);

// Conversions. Text is read by ParseDouble's rule; Empty counts as the Integer 0. Integer and
// Long conversions round half to even and raise Overflow outside their range.
Integer ToInteger(std::string_view text);
Integer ToInteger(Double x);
Integer ToInteger(const Value& v);
Long ToLong(std::string_view text);
Long ToLong(Double x);
Long ToLong(const Value& v);
Double ToDouble(std::string_view text);
Double ToDouble(const Value& v);

// The text a box shows: digits for Integer and Long, 7 significant digits for a Single,
// 15 for a Double, never an exponent.
std::string ToText(Integer x);
std::string ToText(Long x);
std::string ToText(Single x);
std::string ToText(Double x);
std::string ToText(const Value& v);

// Arithmetic in the wider operand type (Integer < Long < Single < Double; Long with Single gives
// Double); a Text operand counts as a Double. Integer and Long results that leave their range
// widen instead of failing; a floating result too large is an Overflow.
Value Add(const Value& a, const Value& b);
Value Subtract(const Value& a, const Value& b);
Value Multiply(const Value& a, const Value& b);

// Floating-point steps followed by the check every calculation makes: a non-zero number divided
// by zero is a Division by zero; 0 / 0 and a result too large are an Overflow.
Single CheckedDivide(Single a, Single b);
Single CheckedMultiply(Single a, Single b);
Single CheckedAdd(Single a, Single b);
// Integer steps that raise Overflow outside -32768 to 32767.
Integer CheckedAdd(Integer a, Integer b);
Integer CheckedSubtract(Integer a, Integer b);
Integer CheckedMultiply(Integer a, Integer b);

} // namespace tenvo
