// SPDX-License-Identifier: MIT
// The rule the buttons follow, kept apart from the program: what each press must do, worked out
// from what the windows show and a fresh calculation, for random sequences of presses.
#pragma once

#include "core/calculation.h"
#include "core/item_count.h"
#include "core/odds_evaluation.h"
#include "core/run_time_error.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <variant>

namespace tenvo {

// Where a random test's sequence starts: TENVO_RANDOM when set, else the fixed start CI runs.
inline unsigned RandomStart() {
    const char* start = std::getenv("TENVO_RANDOM");
    return start ? static_cast<unsigned>(std::strtoul(start, nullptr, 10)) : 20261207u;
}

// What a press should come to: a table, a verdict without one, or a refusal.
struct Expected {
    std::optional<PricedResult> result; // the whole calculation, when it reached a verdict
    std::optional<RuntimeError> error;  // where it stopped otherwise
    bool countRefused = false;
};

// What the stake window asks of a bet of `count` entries: its choice, and the amount typed.
struct SpreadOnScreen {
    std::optional<SpreadBy> by;
    std::string amount;

    SpreadAsked asked(Integer count) const {
        if (!by)
            return {};
        auto read = ReadSpread(*by, amount, count);
        if (auto* refusal = std::get_if<SpreadRefusal>(&read))
            return *refusal;
        return std::get<Spread>(read);
    }
};

// The whole calculation on a fresh state, as the windows show it at a press.
inline Expected Reference(const std::string& countText, const OddsTexts& odds,
                          const SpreadOnScreen& spread = {}) {
    const std::optional<Integer> count = ReadItemCount(countText);
    if (!count)
        return {std::nullopt, std::nullopt, true};
    try {
        CalculationState fresh;
        return {Calculate(*count, odds, fresh, spread.asked(*count)), std::nullopt, false};
    } catch (const RuntimeError& error) {
        return {std::nullopt, error, false};
    }
}

// The evaluation alone, for the count in use, on fresh entry arrays.
inline std::optional<RuntimeError> ReferenceEvaluation(Integer count, const OddsTexts& odds) {
    CalculationState fresh;
    CreateEntryArrays(fresh);
    fresh.ItemCount = count;
    try {
        EvaluateOdds(odds, fresh);
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// What a user remembers of earlier presses, and what each button must do by the rule: the count
// in use, what was last evaluated and whether it was turned away. The result button does nothing
// before the first evaluation, nor after a rejection while the count and the odds in use are
// still those rejected.
struct PressModel {
    Integer itemCount = 0;
    std::optional<std::pair<Integer, OddsTexts>> evaluated;
    bool rejected = false;
    std::optional<std::pair<Integer, OddsTexts>> priced; // what the latest table priced

    // The count button: whether the count typed is taken.
    bool takeCount(const std::string& countText) {
        const std::optional<Integer> count = ReadItemCount(countText);
        itemCount = count.value_or(itemCount);
        return count.has_value();
    }
    // The calculate button: the error that refuses the odds typed, if any.
    std::optional<RuntimeError> evaluate(const OddsTexts& odds) {
        std::optional<RuntimeError> error = ReferenceEvaluation(itemCount, odds);
        if (!error) {
            evaluated.emplace(itemCount, odds);
            rejected = false;
        }
        return error;
    }
    // The result button: nothing, or what the whole calculation comes to.
    std::optional<Expected> result(const std::string& countText, const OddsTexts& odds,
                                   const SpreadOnScreen& spread) {
        if (!evaluated)
            return std::nullopt;
        const auto& [count, texts] = *evaluated;
        const auto used = static_cast<std::ptrdiff_t>(std::clamp<int>(count, 0, kEntryCount));
        if (rejected && ReadItemCount(countText) == count &&
            std::equal(odds.begin(), odds.begin() + used, texts.begin()))
            return std::nullopt;
        Expected expected = Reference(countText, odds, spread);
        if (const std::optional<PricedResult>& result = expected.result) {
            itemCount = *ReadItemCount(countText);
            evaluated.emplace(itemCount, odds);
            rejected = result->verdict.outcome == CheckOutcome::Rejected;
            if (result->accepted())
                priced.emplace(itemCount, odds);
        }
        return expected;
    }
    // The table the stake and profit windows must show now, with the spread on screen.
    std::optional<PricedResult> table(const SpreadOnScreen& spread) const {
        if (!priced)
            return std::nullopt;
        return Reference(std::to_string(priced->first), priced->second, spread).result;
    }
};

// Texts a user types: mostly counts and odds that work, and every kind that does not.
struct RandomTyping {
    std::mt19937 rng;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    std::string count() {
        static const char* const odd[] = {"2.5", "abc", "0", "21", " 4 ", "１２", ""};
        if (chance(70))
            return std::to_string(1 + pick(chance(70) ? 6 : kEntryCount));
        return odd[pick(std::size(odd))];
    }
    // The stake window's choice: the stake table's own, or one of the spreads.
    std::optional<SpreadBy> spread() {
        const int choice = pick(4);
        return choice == 0 ? std::nullopt : std::optional(SpreadBy(choice - 1));
    }
    // An amount in yen, mostly one that works.
    std::string amount() {
        static const char* const odd[] = {"",     "abc",  "1.5", "0",
                                          "-100", "1e13", "250", "１００００"};
        if (chance(75))
            return std::to_string(100 * (3 + pick(chance(50) ? 50 : 5000)));
        return odd[pick(std::size(odd))];
    }
    // An odds box, entry 1 to 20, mostly among the first few.
    int entry() { return 1 + pick(chance(80) ? 6 : kEntryCount); }
    std::string odds() {
        static const char* const odd[] = {"x",     "",    "0.4",     "-5",
                                          "40000", "2.5", "1.74975", "３．５"};
        if (chance(80))
            return std::to_string(1 + pick(chance(50) ? 12 : 60));
        return odd[pick(std::size(odd))];
    }
};

} // namespace tenvo
