// SPDX-License-Identifier: MIT
// Compact JSON written straight into a string, the answers' keys in the order they are given.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tenvo {

// Strings are quoted by nlohmann::json, which escapes what JSON needs and replaces bytes that
// are not UTF-8 with U+FFFD; plain printable ASCII, such as every figure, is copied as it is,
// which is exactly what nlohmann::json would write for it.
class JsonWriter {
public:
    JsonWriter() { m_out.reserve(1024); } // an answer of twenty entries fits without growing

    std::string& text() { return m_out; }

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view value);
    JsonWriter& number(long long value);
    JsonWriter& null();
    JsonWriter& literal(std::string_view json); // a number or a word, written as it stands
    JsonWriter& strings(const std::vector<std::string>& values);
    JsonWriter& numbers(const std::vector<int>& values);
    template <class T> JsonWriter& optional(const std::optional<T>& value) {
        if (!value)
            return null();
        if constexpr (std::is_arithmetic_v<T>)
            return number(*value);
        else
            return string(*value);
    }

private:
    void separate();

    std::string m_out;
    bool m_first = true; // no member or element yet at this level
};

} // namespace tenvo
