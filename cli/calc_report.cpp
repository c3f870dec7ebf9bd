// SPDX-License-Identifier: MIT
// A calculation from texts and its JSON and readable forms.
#include "cli/calc_report.h"

#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "core/item_count.h"
#include "core/run_time_error.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace tenvo {
namespace {

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

// The cells a text takes in a terminal: two for each character beyond ASCII (the headers are
// Japanese), one for the rest.
std::size_t Cells(std::string_view text) {
    std::size_t cells = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) // a character starts here
            cells += byte < 0x80 ? 1 : 2;
    }
    return cells;
}

// Right-aligned in `width` cells.
std::string Padded(std::string_view text, std::size_t width) {
    const std::size_t cells = Cells(text);
    return std::string(width > cells ? width - cells : 0, ' ') + std::string(text);
}

// Every entry's stake, payout, break-even odds and profit, each column as wide as its widest
// figure (eight cells at least), the losing entries marked.
std::string EntryTable(const PricedResult& result) {
    constexpr const char* kHeaders[] = {"賭け金", "払戻額", "損益分岐", "儲け額"};
    std::vector<std::string> columns[std::size(kHeaders)] = {
        Texts(result.amounts), Texts(result.payouts), {}, Texts(result.profits)};
    for (std::size_t i = 0; i < result.breakEvenTenths.size(); ++i)
        columns[2].push_back(BreakEvenText(result, i).value_or("-"));
    std::size_t widths[std::size(kHeaders)];
    for (std::size_t c = 0; c < std::size(kHeaders); ++c) {
        widths[c] = std::max<std::size_t>(8, Cells(kHeaders[c]));
        for (const std::string& figure : columns[c])
            widths[c] = std::max(widths[c], Cells(figure));
    }
    constexpr std::size_t kLabelWidth = 5; // "(20) "
    std::string table(kLabelWidth, ' ');
    for (std::size_t c = 0; c < std::size(kHeaders); ++c)
        table += " " + Padded(kHeaders[c], widths[c]);
    table += '\n';
    for (int k = 1; k <= kEntryCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        std::string label = "(" + std::to_string(k) + ")";
        table += label + std::string(kLabelWidth - label.size(), ' ');
        for (std::size_t c = 0; c < std::size(kHeaders); ++c)
            table += " " + Padded(columns[c][i], widths[c]);
        table += result.losing(k) ? "  トリガミ\n" : "\n";
    }
    return table;
}

CalcFailure AmountFailure(const std::string& amount, const SpreadRefusal& refusal) {
    return {"amount", std::nullopt, std::nullopt, amount, refusal.message, std::nullopt};
}

const char* NameOf(SpreadBy by) { return kSpreadNames[static_cast<int>(by)]; }
const char* JapaneseNameOf(SpreadBy by) { return kSpreadJapaneseNames[static_cast<int>(by)]; }

} // namespace

CalcReport PriceRequest(CalcRequest request) {
    const std::optional<Integer> count = ReadItemCount(request.count);
    if (!count)
        return CalcFailure{"count",       std::nullopt,      std::nullopt,
                           request.count, kItemCountMessage, std::nullopt};
    SpreadAsked spread;
    if (request.spread) {
        auto read = ReadSpread(request.spread->by, request.spread->amount, *count);
        if (const auto* refusal = std::get_if<SpreadRefusal>(&read))
            return AmountFailure(request.spread->amount, *refusal);
        spread = std::get<Spread>(read);
    }
    OddsTexts odds;
    for (std::size_t k = 0; k < odds.size(); ++k)
        odds[k] = k < request.odds.size() ? std::move(request.odds[k]) : "0";
    try {
        CalculationState state;
        PricedResult result = Calculate(*count, odds, state, spread);
        if (result.refusal)
            return AmountFailure(request.spread->amount, *result.refusal);
        return CalcVerdict{*count, std::move(result)};
    } catch (const RuntimeError& error) {
        return CalcFailure{error.kindName(), error.number(),      error.entry(),
                           error.text(),     ErrorMessage(error), error};
    }
}

std::string TerminalMessage(const CalcFailure& failure) {
    if (!failure.error)
        return failure.message;
    return ErrorMessage(*failure.error, TerminalSafe(failure.error->text().value_or("")));
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
    const auto& [count, result] = std::get<CalcVerdict>(report);
    json.key("count").number(count);
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted:
        json.key("outcome").string("accepted");
        json.key("average").string(result.verdict.averageText);
        if (result.spread) {
            json.key("spread").beginObject();
            json.key("by").string(NameOf(result.spread->by));
            json.key("amount").string(ToText(result.spread->amount));
            json.endObject();
        }
        json.key("stakes").strings(Texts(result.amounts));
        json.key("total").string(ToText(result.total));
        if (result.spread) {
            json.key("guaranteed_payout").string(ToText(result.guaranteedPayout));
            if (result.spread->by == SpreadBy::Budget)
                json.key("unspent").string(ToText(result.unspent));
        }
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

std::string ToReadableText(const CalcVerdict& verdict) {
    const PricedResult& result = verdict.result;
    std::string out = "入力項目数 " + std::to_string(verdict.count) + "\n平均倍率 " +
                      result.verdict.averageText + "\n";
    switch (result.verdict.outcome) {
    case CheckOutcome::Accepted: {
        out += "判定 受理\n";
        if (result.spread)
            out += std::string("配分 ") + JapaneseNameOf(result.spread->by) + " " +
                   ToText(result.spread->amount) + "\n";
        out += "\n" + EntryTable(result);
        out += "投資合計金額 " + ToText(result.total) + "\n";
        if (result.spread) {
            out += "最低払戻額 " + ToText(result.guaranteedPayout) + "\n";
            if (result.spread->by == SpreadBy::Budget)
                out += "残り " + ToText(result.unspent) + "\n";
        }
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
