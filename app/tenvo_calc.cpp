// SPDX-License-Identifier: MIT
// tenvo-calc: the whole calculation from the command line, for scripts and for checking figures.
#include "app/batch.h"
#include "app/calc_report.h"
#include "app/json_writer.h"
#include "core/calculation_state.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tenvo;

constexpr const char* kUsage =
    "Usage: tenvo-calc [--count N] [--json] [--] ODDS...\n"
    "  or:  tenvo-calc --batch [FILE...]\n"
    "Spreads a stake over up to 20 entries as Tenvo's windows do: evaluates the odds, checks\n"
    "the result and, when it is accepted, prints the stake, payout and profit of every entry,\n"
    "the total investment, the entries whose win still loses money (トリガミ) and the combined\n"
    "odds (合成オッズ).\n"
    "\n"
    "Options:\n"
    "  --count N      the number of entries, 1 to 20 (default: the number of odds given)\n"
    "  --json         one JSON object on standard output\n"
    "  --batch        one JSON request per line from the FILEs, or from standard input, and\n"
    "                 one JSON answer per line, in the same order\n"
    "  --             ends the options (odds such as -5 are taken as odds anyway)\n"
    "  -h, --help     this help\n"
    "  --version      the version\n"
    "\n"
    "A request line is {\"id\": \"R1\", \"count\": \"3\", \"odds\": [\"3\", \"4\", \"7\"]}: count "
    "is\n"
    "optional, a text or a number; odds holds up to 20 texts or numbers; id, if given, is\n"
    "echoed. Each answer is the --json object with \"line\" (its line number) and \"id\" first;\n"
    "a line that is not a request gets {\"line\": N, \"error\": {\"kind\": \"request\", ...}}.\n"
    "\n"
    "A race card of two races, priced in one run:\n"
    "  printf '%s\\n' '{\"id\": \"R1\", \"odds\": [\"3\", \"4\", \"7\"]}' \\\n"
    "      '{\"id\": \"R2\", \"count\": 3, \"odds\": [1.7, 4.3, 7.6]}' | tenvo-calc --batch\n"
    "\n"
    "Exit status: 0 done; 1 a calculation failed (with --batch: a line was not a request);\n"
    "2 a usage error.\n";

struct Options {
    std::optional<std::string> count;
    bool json = false;
    bool batch = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> operands; // odds, or files with --batch
};

struct UsageError {
    std::string message;
};

bool LooksLikeNumber(std::string_view arg) {
    return arg.size() >= 2 && arg[0] == '-' && ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == '.');
}

// Reads the arguments. A number such as -5 or -.5 is odds, not an option.
Options ParseArguments(int argc, char** argv) {
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' || LooksLikeNumber(arg))
            options.operands.emplace_back(arg);
        else if (arg == "--")
            optionsEnded = true;
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--batch")
            options.batch = true;
        else if (arg == "-h" || arg == "--help")
            options.help = true;
        else if (arg == "--version")
            options.version = true;
        else if (arg == "--count" && i + 1 < argc)
            options.count = argv[++i];
        else if (arg == "--count")
            throw UsageError{"option '--count' needs a value"};
        else if (arg.starts_with("--count="))
            options.count = std::string(arg.substr(8));
        else
            throw UsageError{"unknown option '" + std::string(arg) + "'"};
    }
    if (options.help || options.version)
        return options;
    if (options.batch && (options.count || options.json))
        throw UsageError{"--batch takes no --count or --json: each request line has its own"};
    if (!options.batch && options.operands.size() > kEntryCount)
        throw UsageError{"at most 20 odds"};
    if (!options.batch && options.operands.empty() && !options.count)
        throw UsageError{"no odds given"};
    return options;
}

int Run(const Options& options) {
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tenvo-calc " TENVO_VERSION);
        return 0;
    }
    if (options.batch)
        return RunBatch(options.operands, stdout);
    const CalcRequest request{options.count.value_or(std::to_string(options.operands.size())),
                              options.operands};
    const CalcReport report = Calculate(request);
    const auto* failure = std::get_if<CalcFailure>(&report);
    if (options.json) {
        JsonWriter json;
        json.beginObject();
        WriteJsonMembers(report, json);
        std::puts(json.endObject().text().c_str());
    } else if (!failure)
        std::fputs(ToReadableText(std::get<CalcResult>(report)).c_str(), stdout);
    if (failure)
        std::fprintf(stderr, "tenvo-calc: %s\n", failure->message.c_str());
    return failure ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(ParseArguments(argc, argv));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "tenvo-calc: %s\nTry 'tenvo-calc --help' for more information.\n",
                     error.message.c_str());
        return 2;
    }
}
