// SPDX-License-Identifier: MIT
// The entry-count rule shared by the main window and the command line.
#include "core/item_count.h"

#include "core/run_time_error.h"

namespace tenvo {

std::optional<Integer> ReadItemCount(std::string_view text) {
    try {
        const Integer count = ToInteger(text);
        if (count >= 1 && count <= kEntryCount)
            return count;
    } catch (const RuntimeError&) {
    }
    return std::nullopt;
}

} // namespace tenvo
