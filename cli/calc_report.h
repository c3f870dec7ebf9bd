// SPDX-License-Identifier: MIT
// One calculation from typed texts, and the two ways tenvo-calc writes it: a JSON object and a
// readable table.
#pragma once

#include "core/calculation.h"
#include "core/run_time_error.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tenvo {

class JsonWriter;

// An amount to spread, as typed, and what it is.
struct SpreadText {
    SpreadBy by;
    std::string amount;
};

// The names of a spread: for scripts ("budget", "payout", "profit") and for people (予算, 払戻額,
// 儲け額); each of them for SpreadBy in its order.
inline constexpr const char* kSpreadNames[] = {"budget", "payout", "profit"};
inline constexpr const char* kSpreadJapaneseNames[] = {"予算", "払戻額", "儲け額"};

// What was typed: the count field, the odds of entries 1 onwards (at most 20), and an amount
// to spread, if any.
struct CalcRequest {
    std::string count;
    std::vector<std::string> odds;
    std::optional<SpreadText> spread;
};

// A calculation that stopped: a run-time error, a count outside 1 to 20 ("count"), or an amount
// that cannot be spread ("amount").
struct CalcFailure {
    std::string kind;
    std::optional<int> number;
    std::optional<int> entry;
    std::optional<std::string> text;
    std::string message;
    std::optional<RuntimeError> error; // the run-time error, when it is one
};

// The failure's message for standard error: what it echoes of the input made safe to show on a
// terminal.
std::string TerminalMessage(const CalcFailure& failure);

// A calculation that reached a verdict.
struct CalcVerdict {
    Integer count = 0;
    PricedResult result;
};

using CalcReport = std::variant<CalcVerdict, CalcFailure>;

// The count read as the main window reads it, and the amount to spread, then the whole
// calculation; boxes beyond the odds given read "0", as the odds boxes do when the window opens.
CalcReport PriceRequest(CalcRequest request);

// The members of the JSON answer, into an object the writer has begun; its strings are the
// texts the windows would show.
void WriteJsonMembers(const CalcReport& report, JsonWriter& json);

// The answer as a table for people, in Japanese.
std::string ToReadableText(const CalcVerdict& verdict);

} // namespace tenvo
