// SPDX-License-Identifier: MIT
// The number of entries a bet may have, read from the count field.
#pragma once

#include "core/calculation_state.h"

#include <optional>
#include <string_view>

namespace tenvo {

inline constexpr const char* kItemCountMessage =
    "入力項目数には 1 から 20 までの数を入力してください。";

// The count a text stands for: ToInteger of it, when that lies in 1 to 20 ("2.5" gives 2).
// Anything else, text, blanks or an overflow included, gives nothing.
std::optional<Integer> ReadItemCount(std::string_view text);

} // namespace tenvo
