// SPDX-License-Identifier: MIT
// Escaping what a terminal would take as a command.
#include "cli/terminal_text.h"

#include "cli/utf8.h"

#include <cstdio>

namespace tenvo {
namespace {

char32_t CodePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(character[i]) & 0xFF; };
    if (character.size() == 2)
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    if (character.size() == 3)
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
           (byte(3) & 0x3F);
}

bool IsObeyed(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::string TerminalSafe(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    char escaped[16];
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text[0]);
        if (lead >= 0x20 && lead < 0x7F) {
            safe += text[0];
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = lead < 0x80 ? 0 : Utf8Length(text);
        if (length == 0) { // a control, DEL, or a byte that is no character
            std::snprintf(escaped, sizeof escaped, "\\x%02x", lead);
            safe += escaped;
            text.remove_prefix(1);
            continue;
        }
        const std::string_view character = text.substr(0, length);
        if (const char32_t c = CodePoint(character); IsObeyed(c)) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            safe += escaped;
        } else {
            safe += character;
        }
        text.remove_prefix(length);
    }
    return safe;
}

} // namespace tenvo
