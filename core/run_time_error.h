// SPDX-License-Identifier: MIT
// The one error a calculation can stop with: its kind, number and, where known, the entry.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace tenvo {

// NegativeOdds is Tenvo's own: a negative stake cannot be placed, so odds below 0 are refused
// where they would be priced, as odds of 0 are.
enum class ErrorKind { Overflow, DivisionByZero, TypeMismatch, NegativeOdds };

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorKind kind)
        : m_kind(kind) {}

    ErrorKind kind() const { return m_kind; }
    // The number a user looks the error up by: Overflow 6, Division by zero 11, Type mismatch 13;
    // negative odds have none.
    std::optional<int> number() const;
    // The Japanese description shown under the number, for example "型が一致しません。".
    const char* description() const;
    // A stable name for scripts: "overflow", "division-by-zero", "type-mismatch" or
    // "negative-odds".
    const char* kindName() const;

    // The entry (1 to 20) whose figure failed and the text it held, when there is one.
    const std::optional<int>& entry() const { return m_entry; }
    const std::optional<std::string>& text() const { return m_text; }
    // Records where the error happened; the first place recorded wins.
    void setPlace(int entry, std::optional<std::string> text);

    const char* what() const noexcept override { return description(); }

private:
    ErrorKind m_kind;
    std::optional<int> m_entry;
    std::optional<std::string> m_text;
};

// The whole message for a user: "実行時エラー '13':", the description, and the place when known,
// its text shown as `shownText` gives it (as typed, unless a caller must make it safe).
std::string ErrorMessage(const RuntimeError& error);
std::string ErrorMessage(const RuntimeError& error, std::string_view shownText);

// Runs f; a RuntimeError escaping from it is marked as belonging to entry, with the text that
// textOf() gives (read only when there is an error).
template <class TextOf, class F> decltype(auto) AtEntry(int entry, TextOf&& textOf, F&& f) {
    try {
        return f();
    } catch (RuntimeError& error) {
        error.setPlace(entry, textOf());
        throw;
    }
}

} // namespace tenvo
