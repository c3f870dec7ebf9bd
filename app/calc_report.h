// SPDX-License-Identifier: MIT
// One calculation from texts, as the windows would make it, and the two ways tenvo-calc
// writes it: a JSON object and a readable table.
#pragma once

#include "core/result_check.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tenvo {

// What was typed: the count field and the odds of entries 1 onwards (at most 20).
struct CalcRequest {
    std::string count;
    std::vector<std::string> odds;
};

// A calculation that stopped: a run-time error, or a count outside 1 to 20 ("count").
struct CalcFailure {
    std::string kind;
    std::optional<int> number;
    std::optional<int> entry;
    std::optional<std::string> text;
    std::string message;
};

// A calculation that reached a verdict; the tables are filled when it was accepted.
struct CalcResult {
    int count = 0;
    CheckVerdict verdict;
    std::vector<std::string> stakes; // entries 1 to 20, as the stake window shows them
    std::string total;
    std::vector<std::string> profits;        // as the profit window shows them
    std::vector<std::string> payouts;        // what each entry pays back if it wins
    std::vector<int> losingEntries;          // entries 1 to count whose win still loses money
    std::optional<std::string> combinedOdds; // two decimals, rounded down
};

using CalcReport = std::variant<CalcResult, CalcFailure>;

// A fresh state, the main window's load, the count, the odds window's calculation, the result
// check and, when it accepts, the stake and profit tables. Boxes beyond the odds given read 0.
CalcReport Calculate(const CalcRequest& request);

class JsonWriter;

// The members of the JSON answer, into an object the writer has begun; its strings are the
// texts the windows would show.
void WriteJsonMembers(const CalcReport& report, JsonWriter& json);

// The answer as a table for people, in Japanese.
std::string ToReadableText(const CalcResult& result);

} // namespace tenvo
