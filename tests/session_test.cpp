// SPDX-License-Identifier: MIT
// The session over random sequences of typing and presses: every table it prices is the whole
// calculation of what the windows show at that press, and a refused press changes nothing.
#include "core/session.h"
#include "press_model.h"

#include <gtest/gtest.h>

namespace tenvo {
namespace {

// Everything a press may change.
struct Snapshot {
    CalculationState state;
    std::string count;
    OddsTexts odds;
    std::optional<PricedResult> result;
    std::optional<SpreadBy> spread;
    std::string amount;

    explicit Snapshot(const Session& s)
        : state(s.state())
        , count(s.countText())
        , odds(s.oddsTexts())
        , result(s.result() ? std::optional(*s.result()) : std::nullopt)
        , spread(s.spreadChoice())
        , amount(s.amountText()) {}
    bool operator==(const Snapshot&) const = default;
};

void ExpectSameError(const RuntimeError& error, const std::optional<RuntimeError>& expected) {
    ASSERT_TRUE(expected) << "refused with " << error.kindName() << " where the press succeeds";
    EXPECT_EQ(error.kind(), expected->kind());
    EXPECT_EQ(error.entry(), expected->entry());
}

enum Step { TypeCount, TakeCount, TypeOdds, Evaluate, PressResult, LoadMain, Choose, TypeAmount };

// One press or keystroke, checked against the model.
void Play(Session& session, PressModel& model, RandomTyping& typing, int watched, int& notified) {
    const Snapshot before(session);
    const Step step = Step(typing.pick(TypeAmount + 1));
    switch (step) {
    case TypeCount:
        session.typeCount(typing.count());
        break;
    case TypeOdds: {
        const int k = typing.entry();
        session.typeOdds(k, typing.odds());
        break;
    }
    case TakeCount: {
        const bool taken = model.takeCount(session.countText());
        ASSERT_EQ(session.takeCount(), taken);
        if (!taken) {
            EXPECT_EQ(Snapshot(session), before);
        }
        EXPECT_EQ(session.state().ItemCount, model.itemCount);
        break;
    }
    case Evaluate: {
        const std::optional<RuntimeError> expected = model.evaluate(session.oddsTexts());
        if (const std::optional<RuntimeError> error = session.evaluateOdds()) {
            ExpectSameError(*error, expected);
            EXPECT_EQ(Snapshot(session), before);
        } else {
            EXPECT_FALSE(expected) << "evaluated what cannot be read";
            EXPECT_EQ(session.state().CalcReady, 1);
        }
        break;
    }
    case Choose:
    case TypeAmount: {
        const int notifiedBefore = notified;
        if (step == Choose)
            session.chooseSpread(typing.spread());
        else
            session.typeAmount(typing.amount());
        // The latest table is priced afresh with the spread on screen, at once.
        const std::optional<PricedResult> table =
            model.table({session.spreadChoice(), session.amountText()});
        ASSERT_EQ(session.result() != nullptr, table.has_value());
        if (table) {
            EXPECT_EQ(*session.result(), *table);
            EXPECT_EQ(notified, notifiedBefore + watched);
        }
        EXPECT_EQ(session.state(), before.state);
        break;
    }
    case PressResult: {
        const std::optional<Expected> expected =
            model.result(session.countText(), session.oddsTexts(),
                         {session.spreadChoice(), session.amountText()});
        const int notifiedBefore = notified;
        const ResultPress press = session.showResult();
        if (!expected) {
            EXPECT_EQ(std::get<CheckVerdict>(press).outcome, CheckOutcome::NotReady);
            EXPECT_EQ(Snapshot(session), before);
        } else if (const auto* refusal = std::get_if<Refusal>(&press)) {
            if (std::holds_alternative<CountRefused>(*refusal)) {
                EXPECT_TRUE(expected->countRefused);
            } else {
                ExpectSameError(std::get<RuntimeError>(*refusal), expected->error);
            }
            EXPECT_EQ(Snapshot(session), before);
        } else {
            ASSERT_TRUE(expected->result) << "priced what cannot be priced";
            const CheckVerdict& verdict = std::get<CheckVerdict>(press);
            EXPECT_EQ(verdict, expected->result->verdict);
            if (verdict.outcome == CheckOutcome::Accepted) {
                ASSERT_TRUE(session.result());
                EXPECT_EQ(*session.result(), *expected->result);
                EXPECT_EQ(notified, notifiedBefore + watched);
            } else {
                EXPECT_EQ(Snapshot(session).result, before.result);
            }
        }
        if (std::holds_alternative<Refusal>(press) || !expected) {
            EXPECT_EQ(notified, notifiedBefore);
        }
        break;
    }
    case LoadMain:
        session.loadMain(); // the main window reloaded after its close box: nothing is lost
        EXPECT_EQ(Snapshot(session), before);
        break;
    }
}

TEST(Session, PricesWhatTheWindowsShowAndRefusesWhole) {
    const unsigned start = RandomStart();
    RandomTyping typing{std::mt19937(start)};
    constexpr int kSequences = 20000, kStepsEach = 30;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        SCOPED_TRACE("TENVO_RANDOM=" + std::to_string(start) + ", sequence " +
                     std::to_string(sequence));
        Session session;
        session.loadMain();
        PressModel model;
        int notified = 0;
        const int watched = typing.pick(3); // stake and profit windows loaded, or not
        for (int w = 0; w < watched; ++w)
            session.watchResult([&notified] { ++notified; });
        for (int step = 0; step < kStepsEach; ++step) {
            Play(session, model, typing, watched, notified);
            if (testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace
} // namespace tenvo
