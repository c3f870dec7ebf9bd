// SPDX-License-Identifier: MIT
// Numbers, descriptions and the user's message for run-time errors.
#include "core/run_time_error.h"

#include <iterator>

namespace tenvo {
namespace {

struct ErrorRow {
    ErrorKind kind;
    int number;              // what a user looks the error up by; 0 for none
    const char* description; // shown under the number
    const char* name;        // stable, for scripts
};

// One row per ErrorKind, in the order of the enum.
constexpr ErrorRow kErrors[] = {
    {ErrorKind::Overflow, 6, "オーバーフローしました。", "overflow"},
    {ErrorKind::DivisionByZero, 11, "0 で除算しました。", "division-by-zero"},
    {ErrorKind::TypeMismatch, 13, "型が一致しません。", "type-mismatch"},
    {ErrorKind::NegativeOdds, 0, "倍率には 0 より大きい数を入力してください。", "negative-odds"},
};
static_assert(std::size(kErrors) == 4 && kErrors[1].kind == ErrorKind::DivisionByZero &&
              kErrors[2].kind == ErrorKind::TypeMismatch &&
              kErrors[3].kind == ErrorKind::NegativeOdds);

const ErrorRow& RowOf(ErrorKind kind) { return kErrors[static_cast<std::size_t>(kind)]; }

} // namespace

std::optional<int> RuntimeError::number() const {
    const int number = RowOf(m_kind).number;
    return number != 0 ? std::optional<int>(number) : std::nullopt;
}
const char* RuntimeError::description() const { return RowOf(m_kind).description; }
const char* RuntimeError::kindName() const { return RowOf(m_kind).name; }

void RuntimeError::setPlace(int entry, std::optional<std::string> text) {
    if (m_entry)
        return;
    m_entry = entry;
    m_text = std::move(text);
}

std::string ErrorMessage(const RuntimeError& error) {
    return ErrorMessage(error, error.text().value_or(""));
}

std::string ErrorMessage(const RuntimeError& error, std::string_view shownText) {
    std::string message;
    if (const std::optional<int> number = error.number())
        message = "実行時エラー '" + std::to_string(*number) + "':\n";
    message += error.description();
    if (error.entry()) {
        message += "\n(" + std::to_string(*error.entry()) + ") の倍率";
        if (error.text())
            message.append("「").append(shownText).append("」");
    }
    return message;
}

} // namespace tenvo
