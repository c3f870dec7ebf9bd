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
    "Usage: tenvo-calc [--count N] [--budget|--payout|--profit YEN] [--json] [--] ODDS...\n"
    "  or:  tenvo-calc --batch [FILE...]\n"
    "Spreads a stake over up to 20 entries as Tenvo's windows do, and prints each\n"
    "entry's stake, payout, profit and break-even odds (損益分岐), the total, the\n"
    "combined odds (合成オッズ) and the entries whose win still loses (トリガミ).\n"
    "\n"
    "Options:\n"
    "  --count N      the number of entries, 1 to 20 (default: the number of odds given)\n"
    "  --budget YEN   stakes of YEN at most that guarantee the most (予算)\n"
    "  --payout YEN   the least stakes that pay back YEN on every entry (払戻額)\n"
    "  --profit YEN   the least stakes that win YEN on every entry (儲け額);\n"
    "                 without one of these, 1000 yen on the longest odds\n"
    "  --json         one JSON object on standard output\n"
    "  --batch        one JSON request a line from the FILEs (\"-\": standard input) or\n"
    "                 standard input, one JSON answer a line, in order; a request:\n"
    "                 {\"id\": \"R1\", \"count\": 3, \"odds\": [\"3\", \"4\", \"7\"]}\n"
    "  --             ends the options (odds such as -5 are taken as odds anyway)\n"
    "  -h, --help     this help\n"
    "  --version      the version\n"
    "\n"
    "Exit status: 0 done; 1 a calculation failed, or a line was not a request; 2 a usage\n"
    "error or a file that could not be read; 3 an answer could not be written. The whole\n"
    "contract, answers, errors and signals included: man tenvo-calc.\n";

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
