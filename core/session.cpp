// SPDX-License-Identifier: MIT
// The buttons' logic, each press worked on a copy of the state and kept only when it succeeds.
#include "core/session.h"

#include "core/item_count.h"
#include "core/odds_evaluation.h"

#include <algorithm>
#include <utility>

namespace tenvo {

Session::Session() { m_oddsTexts.fill("0"); } // the odds boxes as the odds window opens

void Session::typeCount(std::string text) { m_countText = std::move(text); }

void Session::typeOdds(int k, std::string text) {
    m_oddsTexts.at(static_cast<std::size_t>(k - 1)) = std::move(text);
}

void Session::chooseSpread(std::optional<SpreadBy> by) {
    m_spreadChoice = by;
    spreadChanged();
}

void Session::typeAmount(std::string text) {
    m_amountText = std::move(text);
    spreadChanged();
}

SpreadAsked Session::asked(Integer count) const {
    if (!m_spreadChoice)
        return {};
    auto read = ReadSpread(*m_spreadChoice, m_amountText, count);
    if (auto* refusal = std::get_if<SpreadRefusal>(&read))
        return std::move(*refusal);
    return std::get<Spread>(read);
}

void Session::spreadChanged() {
    if (!m_pricedFrom)
        return;
    // The same evaluated state, priced again: it was accepted and priced before, and a spread
    // raises no run-time error.
    CalculationState state = *m_pricedFrom;
    m_result = PriceResult(state, asked(state.ItemCount));
    notifyWatchers();
}

void Session::notifyWatchers() {
    // A watcher may stop watching, or start, while it is called: call those watching now.
    const auto watchers = m_watchers;
    for (const auto& [id, changed] : watchers)
        changed();
}

void Session::loadMain() {
    if (m_state.EntryValues == Value())
        CreateEntryArrays(m_state);
}

bool Session::takeCount() {
    const std::optional<Integer> count = ReadItemCount(m_countText);
    if (count)
        m_state.ItemCount = *count;
    return count.has_value();
}

std::optional<RuntimeError> Session::evaluateOdds() {
    CalculationState next = m_state;
    try {
        EvaluateOdds(m_oddsTexts, next);
    } catch (const RuntimeError& error) {
        return error;
    }
    m_state = std::move(next);
    m_evaluated = Evaluated{m_state.ItemCount, m_oddsTexts};
    return std::nullopt;
}

bool Session::showsEvaluated() const {
    if (!m_evaluated || ReadItemCount(m_countText) != m_evaluated->count)
        return false;
    const auto used =
        static_cast<std::ptrdiff_t>(std::clamp<int>(m_evaluated->count, 0, kEntryCount));
    return std::equal(m_oddsTexts.begin(), m_oddsTexts.begin() + used, m_evaluated->odds.begin());
}

ResultPress Session::showResult() {
    if (!m_evaluated || (m_state.CalcReady != 1 && showsEvaluated()))
        return CheckVerdict{}; // nothing to judge: nothing at all
    const std::optional<Integer> count = ReadItemCount(m_countText);
    if (!count)
        return ResultPress(std::in_place_type<Refusal>, CountRefused{});
    // What the windows show now is read afresh and priced on a copy: the same figures as the
    // last evaluation when nothing changed since, and nothing kept when a step fails.
    CalculationState next = m_state;
    next.ItemCount = *count;
    PricedResult result;
    CalculationState evaluated;
    try {
        EvaluateOdds(m_oddsTexts, next);
        evaluated = next;
        result = PriceResult(next, asked(*count));
    } catch (const RuntimeError& error) {
        return Refusal{error};
    }
    m_state = std::move(next);
    m_evaluated = Evaluated{*count, m_oddsTexts};
    CheckVerdict verdict = result.verdict;
    if (result.accepted()) {
        m_result = std::move(result);
        m_pricedFrom = std::move(evaluated);
        notifyWatchers();
    }
    return verdict;
}

int Session::watchResult(std::function<void()> changed) {
    m_watchers.emplace(m_nextWatcher, std::move(changed));
    return m_nextWatcher++;
}

void Session::unwatchResult(int id) { m_watchers.erase(id); }

} // namespace tenvo
