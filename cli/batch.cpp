// SPDX-License-Identifier: MIT
// Batch requests: reading, checking and answering them line by line.
#include "cli/batch.h"

#include "cli/calc_command.h"
#include "cli/calc_report.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"
#include "cli/line_reader.h"
#include "cli/output.h"
#include "cli/terminal_text.h"
#include "core/calculation_state.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>

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
    JsonValue* count = json.find("count");
    if (odds->elements.empty() && !count)
        throw BadRequest{"\"odds\" is empty: give the odds of at least one entry"};
    CalcRequest request;
    for (std::size_t k = 0; k < odds->elements.size(); ++k) {
        if (!IsFigure(odds->elements[k]))
            throw BadRequest{"odds " + std::to_string(k + 1) + " must be a text or a number"};
        request.odds.push_back(std::move(odds->elements[k].text));
    }
    if (count && !IsFigure(*count))
        throw BadRequest{"\"count\" must be a text or a number"};
    request.count = count ? std::move(count->text) : std::to_string(request.odds.size());
    for (int by = 0; by < static_cast<int>(std::size(kSpreadNames)); ++by) {
        const std::string name = kSpreadNames[by];
        JsonValue* amount = json.find(name);
        if (!amount)
            continue;
        if (request.spread)
            throw BadRequest{"\"" +
                             std::string(kSpreadNames[static_cast<int>(request.spread->by)]) +
                             "\" and \"" + name + "\" cannot both be given: choose one"};
        if (!IsFigure(*amount))
            throw BadRequest{"\"" + name + "\" must be a text or a number"};
        request.spread = SpreadText{static_cast<SpreadBy>(by), std::move(amount->text)};
    }
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

// While a batch runs, SIGINT, SIGTERM and SIGHUP are blocked and taken through a signalfd,
// which the reader watches whenever it needs more input: the run stops between two lines, and
// no answer is cut by them. A signal ignored when the run began (nohup) stays ignored.
class StopSignals {
public:
    StopSignals() {
        sigemptyset(&m_caught);
        for (const int signal : kSignals) {
            struct sigaction now {};
            sigaction(signal, nullptr, &now);
            if (now.sa_handler != SIG_IGN)
                sigaddset(&m_caught, signal);
        }
        pthread_sigmask(SIG_BLOCK, &m_caught, &m_before);
        m_fd = ::signalfd(-1, &m_caught, SFD_NONBLOCK | SFD_CLOEXEC);
    }
    ~StopSignals() {
        if (m_fd >= 0)
            ::close(m_fd);
        pthread_sigmask(SIG_SETMASK, &m_before, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    int fd() const { return m_fd; }
    // The signal that stopped the run, taken from the queue.
    int caught() const {
        signalfd_siginfo info{};
        return ::read(m_fd, &info, sizeof info) == sizeof info ? static_cast<int>(info.ssi_signo)
                                                               : 0;
    }

    // Opens a file to read. That may wait as long as it likes (a FIFO waits for a writer), so
    // meanwhile the signals are let through: one that comes ends the program at once with its
    // status. The caller has written out every answer before.
    int open(const char* name) const {
        struct sigaction stop {
        }, before[std::size(kSignals)];
        stop.sa_handler = [](int signal) { _exit(128 + signal); };
        sigemptyset(&stop.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            if (sigismember(&m_caught, kSignals[i]))
                sigaction(kSignals[i], &stop, &before[i]);
        pthread_sigmask(SIG_UNBLOCK, &m_caught, nullptr);
        const int fd = ::open(name, O_RDONLY | O_CLOEXEC);
        const int error = errno;
        pthread_sigmask(SIG_BLOCK, &m_caught, nullptr);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            if (sigismember(&m_caught, kSignals[i]))
                sigaction(kSignals[i], &before[i], nullptr);
        errno = error;
        return fd;
    }

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

    sigset_t m_caught{};
    sigset_t m_before{};
    int m_fd = -1;
};

// Whether a descriptor reads the very file that standard output writes, as `cmd f >> f` does:
// its answers would be read back as requests without end.
bool IsTheOutput(int fd, std::FILE* out) {
    struct stat input {
    }, output{};
    const int outFd = ::fileno(out);
    return outFd >= 0 && ::fstat(fd, &input) == 0 && ::fstat(outFd, &output) == 0 &&
           S_ISREG(input.st_mode) && input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

// A file as a message names it; "-" is standard input.
std::string Named(const std::string& file) {
    return file == "-" ? std::string("standard input") : "'" + TerminalSafe(file) + "'";
}

} // namespace

LineResponse RespondToLine(std::string_view text, long long line) {
    JsonWriter json;
    json.beginObject().key("line").number(line);
    auto read = ReadJson(text);
    if (const auto* problem = std::get_if<JsonProblem>(&read))
        return {RequestErrorLine(json, problem->message), false};
    JsonValue& request = std::get<JsonValue>(read);
    if (request.kind == JsonValue::Kind::Object)
        if (const JsonValue* id = request.find("id"))
            Echo(*id, json.key("id"));
    try {
        WriteJsonMembers(PriceRequest(ReadRequest(request)), json);
    } catch (const BadRequest& error) {
        return {RequestErrorLine(json, error.message), false};
    }
    json.endObject();
    return {std::move(json.text()), true};
}

int RunBatch(const std::vector<std::string>& files, Output& out, std::FILE* err) {
    std::vector<std::string> names = files;
    if (names.empty())
        names.emplace_back("-");

    // Answers go out in large writes; the reader flushes them whenever it waits for input.
    std::setvbuf(out.file(), nullptr, _IOFBF, 1 << 16);
    const StopSignals signals;
    int status = kAllAnswered;
    const auto worsen = [&status](int now) { status = std::max(status, now); };
    const auto cannotRead = [&](const std::string& name, int error) {
        std::fprintf(err, "tenvo-calc: cannot read %s: %s\n", Named(name).c_str(),
                     std::strerror(error));
        worsen(kUnreadable);
    };
    const auto flush = [&out] { return out.flush(); }; // a reader gone: stop reading at once
    long long number = 0;
    int stoppedBy = 0;
    for (const std::string& name : names) {
        const bool standardInput = name == "-";
        if (!standardInput && !out.flush())
            break;
        const int fd = standardInput ? STDIN_FILENO : signals.open(name.c_str());
        if (fd < 0) {
            cannotRead(name, errno);
            continue;
        }
        if (IsTheOutput(fd, out.file())) {
            std::fprintf(err, "tenvo-calc: %s is the output file\n", Named(name).c_str());
            worsen(kUnreadable);
            if (!standardInput)
                ::close(fd);
            continue;
        }
        LineReader reader(fd, 64 * 1024, signals.fd());
        std::string_view text;
        bool overlong = false;
        while (!out.failed() && reader.next(text, overlong, flush)) {
            ++number;
            LineResponse response;
            if (overlong) {
                JsonWriter json;
                json.beginObject().key("line").number(number);
                response.json = RequestErrorLine(json, "the line is too long");
            } else if (IsBlank(text)) {
                continue; // a blank line asks nothing
            } else {
                response = RespondToLine(text, number);
            }
            if (!response.wasRequest)
                worsen(kNotARequest);
            response.json += '\n';
            out.write(response.json);
        }
        if (reader.failed())
            cannotRead(name, reader.error());
        if (!standardInput)
            ::close(fd);
        if (reader.interrupted())
            stoppedBy = signals.caught();
        if (out.failed() || stoppedBy)
            break;
    }
    if (!out.flush())
        worsen(kWriteError);
    // Stopped by a signal: every answer computed is out whole; the status says which signal.
    return stoppedBy ? 128 + stoppedBy : status;
}

} // namespace tenvo
