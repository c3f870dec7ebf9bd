// SPDX-License-Identifier: MIT
// libFuzzer target: arbitrary bytes as the input of tenvo-calc --batch. Every line must be
// answered with one line of JSON that reads back, numbered as its line, saying whether it was a
// request; nothing may end the run.
#include "cli/batch.h"
#include "cli/json_reader.h"
#include "cli/line_reader.h"
#include "fuzz/require.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using namespace tenvo;

void CheckAnswer(std::string_view line, long long number) {
    const LineResponse response = RespondToLine(line, number);
    const std::string& answer = response.json;
    const bool valid = response.wasRequest;
    Require(answer.find('\n') == std::string::npos, "an answer is one line");
    const auto read = ReadJson(answer);
    Require(std::holds_alternative<JsonValue>(read), "an answer is JSON");
    const JsonValue& json = std::get<JsonValue>(read);
    Require(json.kind == JsonValue::Kind::Object, "an answer is an object");
    const JsonValue* lineNumber = json.find("line");
    Require(lineNumber && lineNumber->text == std::to_string(number), "it names its line");
    const JsonValue* error = json.find("error");
    const JsonValue* kind = error ? error->find("kind") : nullptr;
    Require(valid == !(kind && kind->text == "request"), "only a request error is no request");
}

bool IsWhiteSpace(std::string_view line) {
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

// The whole input as a file through the line reader, with a short line limit: each line as
// cut below, a line longer than the limit reported overlong unless it is white space alone.
void CheckLines(std::string_view input, const std::vector<std::string_view>& lines) {
    constexpr std::size_t kLimit = 16;
    const int file = memfd_create("requests", MFD_CLOEXEC);
    Require(file >= 0 && write(file, input.data(), input.size()) == ssize_t(input.size()) &&
                lseek(file, 0, SEEK_SET) == 0,
            "the input is in a file");
    LineReader reader(file, kLimit);
    std::string_view line;
    bool overlong = false;
    for (const std::string_view expected : lines) {
        Require(reader.next(line, overlong, {}), "every line is read");
        if (expected.size() > kLimit) {
            Require(line.empty() && overlong == !IsWhiteSpace(expected),
                    "a long line is overlong unless it is white space");
        } else {
            Require(line == expected && !overlong, "a line is read as it stands");
        }
    }
    Require(!reader.next(line, overlong, {}) && !reader.failed(), "and nothing else");
    close(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Lines as the batch reader cuts them: at "\n", a "\r" before it dropped, a byte-order mark
    // at the start of the input passed over.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view whole = input;
    if (input.starts_with("\xEF\xBB\xBF"))
        input.remove_prefix(3);
    long long number = 0;
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        CheckAnswer(line, ++number);
        lines.push_back(line);
        start = end + 1;
    }
    CheckLines(whole, lines);
    return 0;
}
