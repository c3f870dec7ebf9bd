// SPDX-License-Identifier: MIT
// tenvo-calc --batch: one JSON request per line in, one JSON answer per line out.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tenvo {

// The answer line (without "\n") to one request line, numbered `line` through the whole input.
// valid is false when the line is not a request; a calculation that fails is still an answer.
std::string AnswerRequestLine(std::string_view text, long long line, bool& valid);

// Answers every non-blank line of the files, one after the other, or of standard input when
// there are none, on out; says on err what cannot be read. Exit status: 0 when every line was a
// request, 1 when one was not, 2 when a file cannot be read.
int RunBatch(const std::vector<std::string>& files, std::FILE* out, std::FILE* err);

} // namespace tenvo
