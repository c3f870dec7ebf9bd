// SPDX-License-Identifier: MIT
// tenvo-calc's options, read by hand: every argument that reads as a number is odds.
#include "cli/calc_command.h"

#include "cli/batch.h"
#include "cli/calc_report.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "cli/terminal_text.h"
#include "core/calculation_state.h"

#include <iterator>

namespace tenvo {

const char* const kCalcUsage =
    "Usage: tenvo-calc [--count N] [--budget YEN | --payout YEN | --profit YEN] [--json]\n"
    "                  [--] ODDS...\n"
    "  or:  tenvo-calc --batch [FILE...]\n"
    "Spreads a stake over up to 20 entries as Tenvo's windows do: evaluates the odds, checks\n"
    "the result and, when it is accepted, prints the stake, payout and profit of every entry,\n"
    "the total investment, the entries whose win still loses money (トリガミ), the combined\n"
    "odds (合成オッズ) and each entry's break-even odds (損益分岐): the lowest odds, to one\n"
    "decimal, at which a win still pays back the whole investment. For odds 3 4 7 (stakes\n"
    "2400 1900 1000, total 5300) they are 2.3 2.8 5.3: odds that fall below them lose money.\n"
    "\n"
    "Options:\n"
    "  --count N      the number of entries, 1 to 20 (default: the number of odds given)\n"
    "  --budget YEN   stakes in 100-yen steps that add up to YEN at most: the greatest payout\n"
    "                 every entry guarantees, then the least total that pays it (予算)\n"
    "  --payout YEN   the least stakes for which every entry pays back YEN or more (払戻額)\n"
    "  --profit YEN   the least total for which every entry wins YEN or more, the total\n"
    "                 taken off (儲け額); without one of these, 1000 on the longest odds\n"
    "  --json         one JSON object on standard output\n"
    "  --batch        one JSON request per line from the FILEs (\"-\" is standard input),\n"
    "                 or from standard input, and one JSON answer per line, in order\n"
    "  --             ends the options (odds such as -5 are taken as odds anyway)\n"
    "  -h, --help     this help\n"
    "  --version      the version\n"
    "\n"
    "A request line is {\"id\": \"R1\", \"count\": \"3\", \"odds\": [\"3\", \"4\", \"7\"]}: count "
    "is\n"
    "optional, a text or a number; odds holds up to 20 texts or numbers; \"budget\",\n"
    "\"payout\" or \"profit\", one at most, spreads its amount; id, if given, is echoed. A number "
    "is read as the text it is written as, so 1e400, too large for any\n"
    "floating-point type, reads as \"1e400\" would. Each answer is the --json object with\n"
    "\"line\" (its line number) and \"id\" first. Every line is answered, in order: one that\n"
    "is not a request (not UTF-8, not JSON, arrays and objects nested more than 64 deep, a\n"
    "line over 64 KiB, ...) gets {\"line\": N, \"error\": {\"kind\": \"request\", ...}} saying\n"
    "what is wrong and at which column, and the run goes on. A line of blanks, tabs, CR,\n"
    "form feeds or vertical tabs alone asks nothing, at any length, and a UTF-8 byte-order\n"
    "mark at the start of an input is passed over. A file that cannot be read is named and\n"
    "passed over, and so is one that is the output file. SIGINT, SIGTERM and SIGHUP stop\n"
    "the run between two lines, or at once while it waits for input, every answer computed\n"
    "written whole, with the signal's status (130, 143, 129).\n"
    "\n"
    "A race card of two races, priced in one run:\n"
    "  printf '%s\\n' '{\"id\": \"R1\", \"odds\": [\"3\", \"4\", \"7\"]}' \\\n"
    "      '{\"id\": \"R2\", \"count\": 3, \"odds\": [1.7, 4.3, 7.6]}' | tenvo-calc --batch\n"
    "\n"
    "Exit status, the worst that happened: 0 done; 1 a calculation failed (with --batch: a\n"
    "line was not a request); 2 a usage error, or a file that could not be read; 3 a write\n"
    "error: an answer could not be written (a full disk, a closed output, a reader gone\n"
    "while SIGPIPE is ignored), said as 'tenvo-calc: write error: REASON'. With SIGPIPE at\n"
    "its default, a reader gone ends tenvo-calc by that signal, silently, as it ends the\n"
    "standard tools.\n";

namespace {

// A minus followed by a digit or a point, ASCII or full-width ("-5", "-.5", "-３", "-．５").
bool LooksLikeNumber(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-')
        return false;
    const std::string_view rest = arg.substr(1);
    if ((rest[0] >= '0' && rest[0] <= '9') || rest[0] == '.')
        return true;
    const auto third = rest.size() >= 3 ? static_cast<unsigned char>(rest[2]) : 0;
    return rest.starts_with("\xEF\xBC") && ((third >= 0x90 && third <= 0x99) || third == 0x8E);
}

// The options that take a value: the count, then one for each SpreadBy in its order.
constexpr std::string_view kValuedOptions[] = {"--count", "--budget", "--payout", "--profit"};

// Which of them an argument is, as "--name" or "--name=value".
std::optional<int> ValuedOption(std::string_view arg) {
    for (int i = 0; i < static_cast<int>(std::size(kValuedOptions)); ++i)
        if (arg == kValuedOptions[i] ||
            (arg.starts_with(kValuedOptions[i]) && arg[kValuedOptions[i].size()] == '='))
            return i;
    return std::nullopt;
}

} // namespace

std::variant<CalcOptions, CalcUsageError>
ReadCalcCommandLine(std::span<const std::string_view> args) {
    CalcOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
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
        else if (const std::optional<int> option = ValuedOption(arg)) {
            const std::string_view name = kValuedOptions[*option];
            std::string value;
            if (arg.size() > name.size())
                value = arg.substr(name.size() + 1); // --name=value
            else if (i + 1 < args.size())
                value = args[++i];
            else
                return CalcUsageError{"option '" + std::string(name) + "' needs a value"};
            if (*option == 0) {
                options.count = std::move(value);
            } else if (options.spread) {
                return CalcUsageError{"give only one of --budget, --payout and --profit"};
            } else {
                options.spread = SpreadText{static_cast<SpreadBy>(*option - 1), std::move(value)};
            }
        } else {
            return CalcUsageError{"unknown option '" + TerminalSafe(arg) + "'"};
        }
    }
    if (options.help || options.version)
        return options;
    if (options.batch && (options.count || options.json || options.spread))
        return CalcUsageError{"--batch takes no --count, --json, --budget, --payout or --profit: "
                              "each request line has its own"};
    if (!options.batch && options.operands.size() > kEntryCount)
        return CalcUsageError{"at most 20 odds"};
    if (!options.batch && options.operands.empty() && !options.count)
        return CalcUsageError{"no odds given"};
    return options;
}

int RunCalcCommand(const CalcOptions& options, Output& out, std::FILE* err) {
    if (options.help) {
        out.write(kCalcUsage);
        return 0;
    }
    if (options.version) {
        out.write("tenvo-calc " TENVO_VERSION "\n");
        return 0;
    }
    if (options.batch)
        return RunBatch(options.operands, out, err);
    const CalcReport report =
        PriceRequest({options.count.value_or(std::to_string(options.operands.size())),
                      options.operands, options.spread});
    const auto* failure = std::get_if<CalcFailure>(&report);
    if (options.json) {
        JsonWriter json;
        json.beginObject();
        WriteJsonMembers(report, json);
        json.endObject().text() += '\n';
        out.write(json.text());
    } else if (!failure) {
        out.write(ToReadableText(std::get<CalcVerdict>(report)));
    }
    if (failure)
        std::fprintf(err, "tenvo-calc: %s\n", TerminalMessage(*failure).c_str());
    return failure ? 1 : 0;
}

} // namespace tenvo
