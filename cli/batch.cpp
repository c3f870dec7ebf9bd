// SPDX-License-Identifier: MIT
// Batch requests: reading, checking and answering them line by line.
#include "cli/batch.h"

#include "cli/calc_report.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"
#include "cli/line_reader.h"
#include "cli/output.h"
#include "core/calculation_state.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tenvo {
namespace {

struct BadRequest {
    std::string message;
};

// A count or an odds figure: a text as typed, or a JSON number as it was written; taken out of
// the value.
bool IsFigure(const JsonValue& value) {
    return value.kind == JsonValue::Kind::String || value.kind == JsonValue::Kind::Number;
}

CalcRequest ReadRequest(JsonValue& json) {
    if (json.kind != JsonValue::Kind::Object)
        throw BadRequest{"a request is a JSON object"};
    JsonValue* odds = json.find("odds");
    if (!odds)
        throw BadRequest{"the request has no \"odds\""};
    if (odds->kind != JsonValue::Kind::Array)
        throw BadRequest{"\"odds\" must be an array"};
    if (odds->elements.size() > kEntryCount)
        throw BadRequest{"at most 20 odds"};
    CalcRequest request;
    for (std::size_t k = 0; k < odds->elements.size(); ++k) {
        if (!IsFigure(odds->elements[k]))
            throw BadRequest{"odds " + std::to_string(k + 1) + " must be a text or a number"};
        request.odds.push_back(std::move(odds->elements[k].text));
    }
    JsonValue* count = json.find("count");
    if (count && !IsFigure(*count))
        throw BadRequest{"\"count\" must be a text or a number"};
    request.count = count ? std::move(count->text) : std::to_string(request.odds.size());
    return request;
}

// A value echoed as it came, its numbers as written.
void Echo(const JsonValue& value, JsonWriter& json) {
    switch (value.kind) {
    case JsonValue::Kind::Null:
        json.null();
        break;
    case JsonValue::Kind::Boolean:
    case JsonValue::Kind::Number:
        json.literal(value.text);
        break;
    case JsonValue::Kind::String:
        json.string(value.text);
        break;
    case JsonValue::Kind::Array:
        json.beginArray();
        for (const JsonValue& element : value.elements)
            Echo(element, json);
        json.endArray();
        break;
    case JsonValue::Kind::Object:
        json.beginObject();
        for (std::size_t i = 0; i < value.names.size(); ++i) {
            json.key(value.names[i]);
            Echo(value.elements[i], json);
        }
        json.endObject();
        break;
    }
}

// The answer to a line that is not a request.
std::string RequestErrorLine(JsonWriter& json, const std::string& problem) {
    json.key("error").beginObject();
    json.key("kind").string("request").key("message").string(problem);
    json.endObject().endObject();
    return std::move(json.text());
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

// A file as a message names it; "-" is standard input.
std::string Named(const std::string& file) {
    return file == "-" ? std::string("standard input") : "'" + file + "'";
}

} // namespace

std::string AnswerRequestLine(std::string_view text, long long line, bool& valid) {
    JsonWriter json;
    json.beginObject().key("line").number(line);
    valid = false;
    auto read = ReadJson(text);
    if (const auto* problem = std::get_if<JsonProblem>(&read))
        return RequestErrorLine(json, problem->message);
    JsonValue& request = std::get<JsonValue>(read);
    if (request.kind == JsonValue::Kind::Object)
        if (const JsonValue* id = request.find("id"))
            Echo(*id, json.key("id"));
    try {
        WriteJsonMembers(Answer(ReadRequest(request)), json);
    } catch (const BadRequest& error) {
        return RequestErrorLine(json, error.message);
    }
    valid = true;
    json.endObject();
    return std::move(json.text());
}

int RunBatch(const std::vector<std::string>& files, Output& out, std::FILE* err) {
    std::vector<std::string> names = files;
    if (names.empty())
        names.emplace_back("-");

    // Answers go out in large writes; the reader flushes them whenever it waits for input.
    std::setvbuf(out.file(), nullptr, _IOFBF, 1 << 16);
    int status = kAllAnswered;
    const auto worsen = [&status](int now) { status = std::max(status, now); };
    const auto cannotRead = [&](const std::string& name, int error) {
        std::fprintf(err, "tenvo-calc: cannot read %s: %s\n", Named(name).c_str(),
                     std::strerror(error));
        worsen(kUnreadable);
    };
    const auto flush = [&out] { return out.flush(); }; // a reader gone: stop reading at once
    long long number = 0;
    for (const std::string& name : names) {
        const int fd = name == "-" ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            cannotRead(name, errno);
            continue;
        }
        LineReader reader(fd);
        std::string_view text;
        bool overlong = false;
        while (!out.failed() && reader.next(text, overlong, flush)) {
            ++number;
            bool valid = false;
            std::string answer;
            if (overlong) {
                JsonWriter json;
                json.beginObject().key("line").number(number);
                answer = RequestErrorLine(json, "the line is too long");
            } else if (IsBlank(text)) {
                continue; // a blank line asks nothing
            } else {
                answer = AnswerRequestLine(text, number, valid);
            }
            if (!valid)
                worsen(kNotARequest);
            answer += '\n';
            out.write(answer);
        }
        if (reader.failed())
            cannotRead(name, reader.error());
        if (fd != STDIN_FILENO)
            ::close(fd);
        if (out.failed())
            break;
    }
    if (!out.flush())
        worsen(kWriteError);
    return status;
}

} // namespace tenvo
