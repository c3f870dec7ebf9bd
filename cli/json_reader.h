// SPDX-License-Identifier: MIT
// One line of JSON read as a request line is written: numbers keep the text they were written
// as, nesting is bounded, and what is wrong is said with its column.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tenvo {

// The deepest nesting of arrays and objects a line may hold; a request needs three.
inline constexpr int kMaxJsonDepth = 64;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;                // Boolean: true or false; Number: as written; String: its text
    std::vector<JsonValue> elements; // an Array's elements, an Object's member values
    std::vector<std::string> names;  // an Object's member names, one per element

    // The value of the last member of that name, or null.
    const JsonValue* find(std::string_view name) const;
    JsonValue* find(std::string_view name) {
        return const_cast<JsonValue*>(std::as_const(*this).find(name));
    }
};

// Why a line is not JSON, in a sentence for its user: "not JSON at column 9: expected ':'".
struct JsonProblem {
    std::string message;
};

// Reads one JSON text that fills the line (blanks around it aside). The line must be UTF-8; a
// byte-order mark of UTF-8 in front is passed over.
std::variant<JsonValue, JsonProblem> ReadJson(std::string_view line);

} // namespace tenvo
