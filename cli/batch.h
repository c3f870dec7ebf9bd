// SPDX-License-Identifier: MIT
// tenvo-calc --batch: one JSON request per line in, one JSON answer per line out.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tenvo {

class Output;

// What a line of a batch is answered.
struct LineResponse {
    std::string json;        // one line of JSON, without "\n"
    bool wasRequest = false; // false when the line is not a request; a calculation that fails
                             // is still a request
};

// The response to one request line, numbered `line` through the whole input.
LineResponse RespondToLine(std::string_view text, long long line);

// Answers every line of the files, one after the other ("-" is the standard input the program
// started with), or of standard input when there are none, on out; a line of white space alone
// asks nothing, and a UTF-8 byte-order mark at the start of an input is passed over. A file that
// cannot be read is named on err and passed over. Stops at the first answer that cannot be
// written, and on SIGINT, SIGTERM or SIGHUP, after writing every answer already computed;
// returns the exit status (CalcStatus, or 128 + the signal's number).
int RunBatch(const std::vector<std::string>& files, Output& out, std::FILE* err);

} // namespace tenvo
