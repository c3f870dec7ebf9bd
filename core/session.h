// SPDX-License-Identifier: MIT
// What the windows share: what is typed, what was evaluated and what was priced, and the logic of
// the buttons on them, each press all or nothing.
#pragma once

#include "core/calculation.h"
#include "core/calculation_state.h"
#include "core/run_time_error.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace tenvo {

// The count field holds no whole number from 1 to 20.
struct CountRefused {
    bool operator==(const CountRefused&) const = default;
};

// Why a press changed nothing: the count, or a run-time error with its place.
using Refusal = std::variant<CountRefused, RuntimeError>;

// What a press of the result button did: the check's verdict (NotReady when the press did
// nothing at all), or why it was refused.
using ResultPress = std::variant<CheckVerdict, Refusal>;

class Session {
public:
    Session();

    // What the windows show. The count field and each odds box hand in their text whenever it
    // changes, typed or set by the program.
    void typeCount(std::string text);
    void typeOdds(int k, std::string text); // k from 1 to 20
    const std::string& countText() const { return m_countText; }
    const OddsTexts& oddsTexts() const { return m_oddsTexts; }

    // The stake window's choice of spread (nothing: 1000 on the longest odds) and its amount box,
    // handed in whenever they change. They apply to every result priced from then on, and the
    // latest result is priced afresh with them at once.
    void chooseSpread(std::optional<SpreadBy> by);
    void typeAmount(std::string text);
    const std::optional<SpreadBy>& spreadChoice() const { return m_spreadChoice; }
    const std::string& amountText() const { return m_amountText; }

    // The main window's load: the entry arrays, made once per run, so that a main window
    // reloaded after its close box never throws away the odds just evaluated.
    void loadMain();

    // "(&N)倍率入力": the count field read as the count in use; false, and nothing changed, when
    // it holds no count.
    bool takeCount();
    // "(&K)計算": the twenty boxes evaluated for the count in use; the error, and nothing
    // changed, when one in use cannot be read.
    std::optional<RuntimeError> evaluateOdds();
    // "(&K)結果表示": judges what the windows show and, when accepted, prices it. When the count
    // field or an odds box in use differs from what was last evaluated, they are read and
    // evaluated first, as "(&N)倍率入力" and "(&K)計算" read them. Does nothing at all when
    // nothing was evaluated yet, or when the last evaluation was rejected and nothing changed
    // since.
    ResultPress showResult();

    const CalculationState& state() const { return m_state; }
    // The latest accepted result, the table the stake and profit windows show; null before the
    // first.
    const PricedResult* result() const { return m_result ? &*m_result : nullptr; }

    // Calls `changed` after every new accepted result, and after the spread of the latest one
    // changed, until unwatched.
    int watchResult(std::function<void()> changed);
    void unwatchResult(int id);

private:
    // What an evaluation read: the count in use and the twenty texts.
    struct Evaluated {
        Integer count = 0;
        OddsTexts odds;
    };

    bool showsEvaluated() const;
    // What the stake window asks of the stakes of a bet of `count` entries.
    SpreadAsked asked(Integer count) const;
    void spreadChanged();
    void notifyWatchers();

    std::string m_countText;
    OddsTexts m_oddsTexts;
    CalculationState m_state;
    std::optional<Evaluated> m_evaluated;
    std::optional<PricedResult> m_result;
    std::optional<CalculationState> m_pricedFrom; // the latest result's state before pricing
    std::optional<SpreadBy> m_spreadChoice;
    std::string m_amountText;
    std::map<int, std::function<void()>> m_watchers;
    int m_nextWatcher = 0;
};

} // namespace tenvo
