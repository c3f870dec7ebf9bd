// SPDX-License-Identifier: MIT
// Text from the input made safe to echo on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace tenvo {

// The text with every character a terminal would obey written visibly: C0 controls, DEL and
// bytes that are not UTF-8 as \x1b, C1 controls and the bidirectional embeddings, overrides and
// isolates (U+202A to U+202E, U+2066 to U+2069) as \u202e. Everything else stays as it is.
std::string TerminalSafe(std::string_view text);

} // namespace tenvo
