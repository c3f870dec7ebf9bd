// tenvo-calc: the whole calculation from the command line, for scripts and for checking figures.
#include "core/calculation_state.h"
#include "core/item_count.h"
#include "core/odds_evaluation.h"
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/run_time_error.h"
#include "core/stake_table.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tenvo;

constexpr const char* kUsage =
    "usage: tenvo-calc [--count N] [--json] [--] ODDS...\n"
    "  Evaluates up to 20 odds as the odds window would, checks the result and, when it is\n"
    "  accepted, prints the stake and profit of every entry.\n"
    "  --count N  the number of entries, 1 to 20 (default: the number of odds given)\n"
    "  --json     one JSON object on standard output\n"
    "  --         ends the options, so that odds such as -5 can be given\n";

struct Options {
    std::optional<std::string> count;
    bool json = false;
    std::vector<std::string> odds;
};

// Reads the arguments; nullopt means a usage error.
std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' || (arg[1] >= '0' && arg[1] <= '9') ||
            arg[1] == '.') {
            options.odds.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--count" && i + 1 < argc) {
            options.count = argv[++i];
        } else if (arg.starts_with("--count=")) {
            options.count = std::string(arg.substr(8));
        } else {
            return std::nullopt;
        }
    }
    if (options.odds.size() > kEntryCount || (options.odds.empty() && !options.count))
        return std::nullopt;
    return options;
}

// A JSON string literal; bytes that are not valid UTF-8 become U+FFFD.
std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else {
            const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
            bool valid = length != 0 && c < 0xF5 && i + length <= text.size();
            for (std::size_t j = 1; valid && j < length; ++j)
                valid = (static_cast<unsigned char>(text[i + j]) & 0xC0) == 0x80;
            if (valid) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                out += "\xEF\xBF\xBD";
                ++i;
            }
        }
    }
    return out + "\"";
}

template <class List> std::string QuoteAll(const List& texts) {
    std::string out = "[";
    for (const auto& text : texts) {
        if (out.size() > 1)
            out += ',';
        out += Quote(text);
    }
    return out + "]";
}

std::string NullOr(const std::optional<std::string>& text) { return text ? Quote(*text) : "null"; }

int ReportError(const Options& options, const std::string& kind, const std::string& number,
                const std::optional<int>& entry, const std::optional<std::string>& text,
                const std::string& message) {
    if (options.json) {
        std::printf("{\"error\":{\"kind\":%s,\"number\":%s,\"entry\":%s,\"text\":%s,"
                    "\"message\":%s}}\n",
                    Quote(kind).c_str(), number.c_str(),
                    entry ? std::to_string(*entry).c_str() : "null", NullOr(text).c_str(),
                    Quote(message).c_str());
    }
    std::fprintf(stderr, "tenvo-calc: %s\n", message.c_str());
    return 1;
}

struct Outcome {
    Integer count = 0;
    CheckVerdict verdict;
    std::vector<std::string> stakes;
    std::string total;
    std::vector<std::string> profits;
};

// A fresh state, the main window's load, the count, the odds window's calculation, the result
// check and, when it accepts, the stake and profit tables.
Outcome Calculate(Integer count, const std::vector<std::string>& odds) {
    CalculationState state;
    CreateEntryArrays(state);
    state.ItemCount = count;
    OddsTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = k < odds.size() ? odds[k] : "0";
    EvaluateOdds(texts, state);
    Outcome outcome{count, CheckResult(state), {}, {}, {}};
    if (outcome.verdict.outcome != CheckOutcome::Accepted)
        return outcome;
    const StakeTable stakes = ComputeStakeTable(state);
    for (const Value& amount : stakes.EntryAmounts)
        outcome.stakes.push_back(ToText(amount));
    outcome.total = ToText(stakes.TotalAmount);
    for (const Long profit : ComputeProfitTable(state))
        outcome.profits.push_back(ToText(profit));
    return outcome;
}

void PrintJson(const Outcome& o) {
    std::printf("{\"count\":%d,\"outcome\":", o.count);
    switch (o.verdict.outcome) {
    case CheckOutcome::Accepted:
        std::printf("\"accepted\",\"average\":%s,\"stakes\":%s,\"total\":%s,\"profits\":%s}\n",
                    Quote(o.verdict.averageText).c_str(), QuoteAll(o.stakes).c_str(),
                    Quote(o.total).c_str(), QuoteAll(o.profits).c_str());
        break;
    case CheckOutcome::Rejected:
        std::printf(
            "\"rejected\",\"average\":%s,\"messages\":%s}\n", Quote(o.verdict.averageText).c_str(),
            QuoteAll(std::vector<std::string>{kFirstRejectionMessage, kSecondRejectionMessage})
                .c_str());
        break;
    case CheckOutcome::ZeroAverage:
    case CheckOutcome::NotReady: // cannot follow a completed evaluation
        std::printf("\"zero-average\",\"average\":%s}\n", Quote(o.verdict.averageText).c_str());
        break;
    }
}

void PrintText(const Outcome& o) {
    std::printf("入力項目数 %d\n平均倍率 %s\n", o.count, o.verdict.averageText.c_str());
    switch (o.verdict.outcome) {
    case CheckOutcome::Accepted:
        std::printf("判定 受理\n\n        賭け金   儲け額\n");
        for (std::size_t k = 0; k < o.stakes.size(); ++k)
            std::printf("(%zu)%*s %8s %8s\n", k + 1, k + 1 < 10 ? 2 : 1, "", o.stakes[k].c_str(),
                        o.profits[k].c_str());
        std::printf("投資合計金額 %s\n", o.total.c_str());
        break;
    case CheckOutcome::Rejected:
        std::printf("%s\n%s\n", kFirstRejectionMessage, kSecondRejectionMessage);
        break;
    case CheckOutcome::ZeroAverage:
    case CheckOutcome::NotReady:
        std::printf("平均倍率が 0 のため計算しません\n");
        break;
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string countText = options->count.value_or(std::to_string(options->odds.size()));
    const std::optional<Integer> count = ReadItemCount(countText);
    if (!count)
        return ReportError(*options, "count", "null", std::nullopt, countText, kItemCountMessage);
    try {
        const Outcome outcome = Calculate(*count, options->odds);
        options->json ? PrintJson(outcome) : PrintText(outcome);
        return 0;
    } catch (const RuntimeError& error) {
        return ReportError(*options, error.kindName(), std::to_string(error.number()),
                           error.entry(), error.text(), ErrorMessage(error));
    }
}
