// SPDX-License-Identifier: MIT
// tenvo-calc's command line: what it asks for, and carrying it out.
#pragma once

#include "cli/calc_report.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tenvo {

extern const char* const kCalcUsage; // what --help prints

// tenvo-calc's exit statuses; when several things happen, the worst one is the run's.
enum CalcStatus : int {
    kAllAnswered = 0, // done (with --batch: every line was a request)
    kNotARequest = 1, // a calculation failed (with --batch: a line was not a request)
    kUnreadable = 2,  // a usage error, or a file that could not be read
    kWriteError = 3,  // an answer could not be written
};

struct CalcOptions {
    std::optional<std::string> count;
    std::optional<SpreadText> spread; // --budget, --payout or --profit
    bool json = false;
    bool batch = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> operands; // odds, or files with --batch
};

// What is wrong with tenvo-calc's command line, in a sentence for its user.
struct CalcUsageError {
    std::string message;
};

// Reads the arguments after the program's name. A number such as -5 or -.5 is odds, not an
// option.
std::variant<CalcOptions, CalcUsageError>
ReadCalcCommandLine(std::span<const std::string_view> args);

class Output;

// Carries out the command, its answers on out and its complaints on err; returns the exit
// status. The caller closes out, and a failure there is a write error too.
int RunCalcCommand(const CalcOptions& options, Output& out, std::FILE* err);

} // namespace tenvo
