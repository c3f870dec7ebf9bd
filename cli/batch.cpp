// SPDX-License-Identifier: MIT
// Batch requests: reading, checking and answering them line by line.
#include "cli/batch.h"

#include "cli/calc_report.h"
#include "cli/json_writer.h"
#include "cli/line_reader.h"
#include "core/calculation_state.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tenvo {
namespace {

using Json = nlohmann::ordered_json;

struct BadRequest {
    std::string message;
};

// A count or an odds figure: a text as typed, or a JSON number read as its decimal text.
std::string FieldText(const Json& value, const char* what) {
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number())
        return value.dump();
    throw BadRequest{std::string(what) + " must be a text or a number"};
}

CalcRequest ReadRequest(const Json& json) {
    if (!json.is_object())
        throw BadRequest{"a request is a JSON object"};
    const auto odds = json.find("odds");
    if (odds == json.end())
        throw BadRequest{"the request has no \"odds\""};
    if (!odds->is_array())
        throw BadRequest{"\"odds\" must be an array"};
    if (odds->size() > kEntryCount)
        throw BadRequest{"at most 20 odds"};
    CalcRequest request;
    for (const Json& figure : *odds)
        request.odds.push_back(FieldText(figure, "each odds figure"));
    const auto count = json.find("count");
    request.count =
        count == json.end() ? std::to_string(request.odds.size()) : FieldText(*count, "\"count\"");
    return request;
}

// The answer to a line that is not a request.
std::string RequestErrorLine(JsonWriter& json, const std::string& problem) {
    json.key("error").beginObject();
    json.key("kind").string("request").key("message").string(problem);
    json.endObject().endObject();
    return std::move(json.text());
}

} // namespace

std::string AnswerRequestLine(std::string_view text, long long line, bool& valid) {
    JsonWriter json;
    json.beginObject().key("line").number(line);
    valid = false;
    std::string problem;
    try {
        const Json request = Json::parse(text);
        if (request.is_object())
            if (const auto id = request.find("id"); id != request.end())
                json.key("id").value(*id);
        const CalcReport report = Answer(ReadRequest(request));
        WriteJsonMembers(report, json);
        valid = true;
    } catch (const Json::parse_error& error) {
        problem = std::string("not JSON: ") + error.what();
    } catch (const BadRequest& error) {
        problem = error.message;
    }
    if (!valid)
        return RequestErrorLine(json, problem);
    json.endObject();
    return std::move(json.text());
}

int RunBatch(const std::vector<std::string>& files, std::FILE* out, std::FILE* err) {
    std::vector<int> inputs;
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            std::fprintf(err, "tenvo-calc: cannot read '%s': %s\n", file.c_str(),
                         std::strerror(errno));
            return 2;
        }
        inputs.push_back(fd);
    }
    if (inputs.empty())
        inputs.push_back(STDIN_FILENO);

    // Answers go out in large writes; the reader flushes them whenever it waits for input.
    std::setvbuf(out, nullptr, _IOFBF, 1 << 16);
    int status = 0;
    long long number = 0;
    const auto flush = [out] { std::fflush(out); };
    for (const int fd : inputs) {
        LineReader reader(fd);
        std::string_view text;
        bool overlong = false;
        while (reader.next(text, overlong, flush)) {
            ++number;
            bool valid = false;
            std::string answer;
            if (overlong) {
                JsonWriter json;
                json.beginObject().key("line").number(number);
                answer = RequestErrorLine(json, "the line is too long");
            } else if (text.find_first_not_of(" \t") == std::string_view::npos) {
                continue; // a blank line asks nothing
            } else {
                answer = AnswerRequestLine(text, number, valid);
            }
            if (!valid)
                status = 1;
            answer += '\n';
            std::fwrite(answer.data(), 1, answer.size(), out);
        }
        if (reader.failed()) {
            std::fprintf(err, "tenvo-calc: reading failed: %s\n", std::strerror(errno));
            status = 2;
        }
        if (fd != STDIN_FILENO)
            ::close(fd);
    }
    std::fflush(out);
    return status;
}

} // namespace tenvo
