// SPDX-License-Identifier: MIT
// tenvo-calc --batch: one JSON request per line in, one JSON answer per line out.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tenvo {

class Output;

// Exit statuses; when several things happen, the worst one is the run's.
enum BatchStatus : int {
    kAllAnswered = 0, // every line was a request (a calculation error is an answer)
    kNotARequest = 1, // some line was not a request
    kUnreadable = 2,  // some file could not be read
    kWriteError = 3,  // an answer could not be written
};

// The answer line (without "\n") to one request line, numbered `line` through the whole input.
// valid is false when the line is not a request; a calculation that fails is still an answer.
std::string AnswerRequestLine(std::string_view text, long long line, bool& valid);

// Answers every line of the files, one after the other ("-" is standard input), or of standard
// input when there are none, on out; a line of blanks alone asks nothing. A file that cannot be
// read is named on err and passed over. Stops at the first answer that cannot be written.
int RunBatch(const std::vector<std::string>& files, Output& out, std::FILE* err);

} // namespace tenvo
