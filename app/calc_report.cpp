// SPDX-License-Identifier: MIT
// A calculation from texts and its JSON and readable forms.
#include "app/calc_report.h"

#include "app/json_writer.h"

#include "core/calculation_state.h"
#include "core/item_count.h"
#include "core/odds_evaluation.h"
#include "core/profit_table.h"
#include "core/run_time_error.h"
#include "core/stake_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tenvo {
namespace {

std::string HundredthsText(std::int64_t q) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", q < 0 ? "-" : "",
                  static_cast<long long>(std::llabs(q) / 100),
                  static_cast<long long>(std::llabs(q) % 100));
    return text;
}

void AddFigures(CalcResult& result, CalculationState& state) {
    const StakeTable stakes = ComputeStakeTable(state);
    for (const Value& amount : stakes.EntryAmounts)
        result.stakes.push_back(ToText(amount));
    result.total = ToText(stakes.TotalAmount);
    std::optional<Long> smallestPayout;
    for (int k = 1; k <= kEntryCount; ++k) {
        const Long profit = EntryProfit(state, k);
        const Long payout = EntryPayout(state, k);
        result.profits.push_back(ToText(profit));
        result.payouts.push_back(ToText(payout));
        if (k > result.count)
            continue;
        if (profit < 0)
            result.losingEntries.push_back(k);
        smallestPayout = std::min(smallestPayout.value_or(payout), payout);
    }
    if (smallestPayout)
        if (const auto q = CombinedOddsHundredths(*smallestPayout, state.TotalStake))
            result.combinedOdds = HundredthsText(*q);
}

} // namespace

CalcReport Calculate(const CalcRequest& request) {
    const std::optional<Integer> count = ReadItemCount(request.count);
    if (!count)
        return CalcFailure{"count", std::nullopt, std::nullopt, request.count, kItemCountMessage};
    CalculationState state;
    CreateEntryArrays(state);
    state.ItemCount = *count;
    OddsTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = k < request.odds.size() ? request.odds[k] : "0";
    CalcResult result;
    result.count = *count;
    try {
        EvaluateOdds(texts, state);
        result.verdict = CheckResult(state);
        if (result.verdict.outcome == CheckOutcome::Accepted)
            AddFigures(result, state);
    } catch (const RuntimeError& error) {
        return CalcFailure{error.kindName(), error.number(), error.entry(), error.text(),
                           ErrorMessage(error)};
    }
    return result;
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
    const auto& result = std::get<CalcResult>(report);
    json.key("count").number(result.count);
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted:
        json.key("outcome").string("accepted");
        json.key("average").string(result.verdict.averageText);
        json.key("stakes").strings(result.stakes);
        json.key("total").string(result.total);
        json.key("profits").strings(result.profits);
        json.key("payouts").strings(result.payouts);
        json.key("losing_entries").numbers(result.losingEntries);
        json.key("combined_odds").optional(result.combinedOdds);
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

std::string ToReadableText(const CalcResult& result) {
    std::string out = "入力項目数 " + std::to_string(result.count) + "\n平均倍率 " +
                      result.verdict.averageText + "\n";
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted: {
        out += "判定 受理\n\n        賭け金   払戻額   儲け額\n";
        for (int k = 1; k <= kEntryCount; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            const bool losing = std::find(result.losingEntries.begin(), result.losingEntries.end(),
                                          k) != result.losingEntries.end();
            char line[128];
            std::snprintf(line, sizeof line, "(%d)%*s %8s %8s %8s%s\n", k, k < 10 ? 2 : 1, "",
                          result.stakes[i].c_str(), result.payouts[i].c_str(),
                          result.profits[i].c_str(), losing ? "  トリガミ" : "");
            out += line;
        }
        out += "投資合計金額 " + result.total + "\n";
        out += "合成オッズ " + result.combinedOdds.value_or("-") + "\n";
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
