// SPDX-License-Identifier: MIT
// A calculation from texts and its JSON and readable forms.
#include "cli/calc_report.h"

#include "cli/json_writer.h"
#include "core/item_count.h"
#include "core/run_time_error.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tenvo {
namespace {

// A count of hundredths (two decimals) or tenths (one) written as a decimal: "1.32", "-0.5".
std::string DecimalText(std::int64_t q, int decimals) {
    std::string text = std::to_string(q < 0 ? -q : q);
    if (text.size() <= static_cast<std::size_t>(decimals))
        text.insert(0, static_cast<std::size_t>(decimals) + 1 - text.size(), '0');
    text.insert(text.size() - static_cast<std::size_t>(decimals), 1, '.');
    return q < 0 ? '-' + text : text;
}

std::optional<std::string> BreakEvenText(const PricedResult& result, std::size_t i) {
    if (!result.breakEvenTenths[i])
        return std::nullopt;
    return DecimalText(*result.breakEvenTenths[i], 1);
}

template <class Figures> std::vector<std::string> Texts(const Figures& figures) {
    std::vector<std::string> texts;
    texts.reserve(figures.size());
    for (const auto& figure : figures)
        texts.push_back(ToText(figure));
    return texts;
}

std::optional<std::string> CombinedOddsText(const PricedResult& result) {
    if (!result.combinedOddsHundredths)
        return std::nullopt;
    return DecimalText(*result.combinedOddsHundredths, 2);
}

} // namespace

CalcReport Answer(CalcRequest request) {
    const std::optional<Integer> count = ReadItemCount(request.count);
    if (!count)
        return CalcFailure{"count", std::nullopt, std::nullopt, request.count, kItemCountMessage};
    OddsTexts odds;
    for (std::size_t k = 0; k < odds.size(); ++k)
        odds[k] = k < request.odds.size() ? std::move(request.odds[k]) : "0";
    try {
        CalculationState state;
        return CalcAnswer{*count, Calculate(*count, odds, state)};
    } catch (const RuntimeError& error) {
        return CalcFailure{error.kindName(), error.number(), error.entry(), error.text(),
                           ErrorMessage(error)};
    }
}

void WriteJsonMembers(const CalcReport& report, JsonWriter& json) {
    if (const auto* failure = std::get_if<CalcFailure>(&report)) {
        json.key("error").beginObject();
        json.key("kind").string(failure->kind);
        json.key("number").optional(failure->number);
        json.key("entry").optional(failure->entry);
        json.key("text").optional(failure->text);
        json.key("message").string(failure->message);
        json.endObject();
        return;
    }
    const auto& [count, result] = std::get<CalcAnswer>(report);
    json.key("count").number(count);
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted:
        json.key("outcome").string("accepted");
        json.key("average").string(result.verdict.averageText);
        json.key("stakes").strings(Texts(result.amounts));
        json.key("total").string(ToText(result.total));
        json.key("profits").strings(Texts(result.profits));
        json.key("payouts").strings(Texts(result.payouts));
        json.key("losing_entries").numbers(result.losingEntries);
        json.key("combined_odds").optional(CombinedOddsText(result));
        json.key("breakeven_odds").beginArray();
        for (std::size_t i = 0; i < result.breakEvenTenths.size(); ++i)
            json.optional(BreakEvenText(result, i));
        json.endArray();
        break;
    case CheckOutcome::Rejected:
        json.key("outcome").string("rejected");
        json.key("average").string(result.verdict.averageText);
        json.key("messages").strings({kFirstRejectionMessage, kSecondRejectionMessage});
        break;
    case CheckOutcome::ZeroAverage:
    case CheckOutcome::NotReady: // cannot follow a completed evaluation
        json.key("outcome").string("zero-average");
        json.key("average").string(result.verdict.averageText);
        break;
    }
}

std::string ToReadableText(const CalcAnswer& answer) {
    const PricedResult& result = answer.result;
    std::string out = "入力項目数 " + std::to_string(answer.count) + "\n平均倍率 " +
                      result.verdict.averageText + "\n";
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted: {
        out += "判定 受理\n\n        賭け金   払戻額 損益分岐   儲け額\n";
        const std::vector<std::string> stakes = Texts(result.amounts);
        const std::vector<std::string> payouts = Texts(result.payouts);
        const std::vector<std::string> profits = Texts(result.profits);
        for (int k = 1; k <= kEntryCount; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            const bool losing = std::find(result.losingEntries.begin(), result.losingEntries.end(),
                                          k) != result.losingEntries.end();
            char line[128];
            std::snprintf(line, sizeof line, "(%d)%*s %8s %8s %8s %8s%s\n", k, k < 10 ? 2 : 1, "",
                          stakes[i].c_str(), payouts[i].c_str(),
                          BreakEvenText(result, i).value_or("-").c_str(), profits[i].c_str(),
                          losing ? "  トリガミ" : "");
            out += line;
        }
        out += "投資合計金額 " + ToText(result.total) + "\n";
        out += "合成オッズ " + CombinedOddsText(result).value_or("-") + "\n";
        break;
    }
    case CheckOutcome::Rejected:
        out += std::string(kFirstRejectionMessage) + "\n" + kSecondRejectionMessage + "\n";
        break;
    case CheckOutcome::ZeroAverage:
    case CheckOutcome::NotReady:
        out += "平均倍率が 0 のため計算しません\n";
        break;
    }
    return out;
}

} // namespace tenvo
