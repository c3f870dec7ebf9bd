// SPDX-License-Identifier: MIT
// libFuzzer target: arbitrary bytes as the input of tenvo-calc --batch. Every line must be
// answered with one line of JSON that reads back, numbered as its line, saying whether it was a
// request; nothing may end the run.
#include "cli/batch.h"
#include "cli/json_reader.h"
#include "fuzz/require.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace tenvo;

void CheckAnswer(std::string_view line, long long number) {
    bool valid = false;
    const std::string answer = AnswerRequestLine(line, number, valid);
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Lines as the batch reader cuts them: at "\n", a "\r" before it dropped.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    long long number = 0;
    for (std::size_t start = 0; start < input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        CheckAnswer(line, ++number);
        start = end + 1;
    }
    return 0;
}
