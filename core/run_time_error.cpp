// SPDX-License-Identifier: MIT
// Numbers, descriptions and the user's message for run-time errors.
#include "core/run_time_error.h"

namespace tenvo {

int RuntimeError::number() const {
    switch (m_kind) {
    case ErrorKind::Overflow:
        return 6;
    case ErrorKind::DivisionByZero:
        return 11;
    case ErrorKind::TypeMismatch:
        return 13;
    }
    return 0;
}

const char* RuntimeError::description() const {
    switch (m_kind) {
    case ErrorKind::Overflow:
        return "オーバーフローしました。";
    case ErrorKind::DivisionByZero:
        return "0 で除算しました。";
    case ErrorKind::TypeMismatch:
        return "型が一致しません。";
    }
    return "";
}

const char* RuntimeError::kindName() const {
    switch (m_kind) {
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::DivisionByZero:
        return "division-by-zero";
    case ErrorKind::TypeMismatch:
        return "type-mismatch";
    }
    return "";
}

void RuntimeError::setPlace(int entry, std::optional<std::string> text) {
    if (m_entry)
        return;
    m_entry = entry;
    m_text = std::move(text);
}

std::string ErrorMessage(const RuntimeError& error) {
    std::string message = "実行時エラー '" + std::to_string(error.number()) + "':\n";
    message += error.description();
    if (error.entry()) {
        message += "\n(" + std::to_string(*error.entry()) + ") の倍率";
        if (error.text())
            message += "「" + *error.text() + "」";
    }
    return message;
}

} // namespace tenvo
