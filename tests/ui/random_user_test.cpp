// SPDX-License-Identifier: MIT
// A random user on the real windows: thousands of clicks, access keys, typed texts and close
// boxes from a fixed start, checking after each that Tenvo keeps its promises.
#include "core/profit_table.h"
#include "core/result_check.h"
#include "core/stake_table.h"
#include "window_harness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace tenvo {
namespace {

// Counts and odds a user might type, sensible ones more often than not.
const QStringList kTexts = {"3",   "4",  "7",   "10",    "2.5",   "1.5",   "0",  "0.4",  "-5",
                            " 6 ", "",   "abc", "99999", "1e400", "20000", "３", "－２", "１０．５",
                            "2,5", "12", "21",  "1",     "2",     "30",    "5",  "6",    "45",
                            "60",  "20", "100", "8.5",   "1",     "2",     "3",  "15",   "25"};

QStringList Expected(const StakeTable& table) {
    QStringList texts;
    for (const Value& amount : table.EntryAmounts)
        texts << QString::fromStdString(ToText(amount));
    return texts << QString::fromStdString(ToText(table.TotalAmount));
}

QStringList Expected(const ProfitTable& profits) {
    QStringList texts;
    for (const Long profit : profits)
        texts << QString::fromStdString(ToText(profit));
    return texts;
}

} // namespace

class RandomUserTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryPromise();
};

void RandomUserTest::keepsEveryPromise() {
    const quint32 start = qEnvironmentVariableIsSet("TENVO_RANDOM_START")
                              ? qEnvironmentVariable("TENVO_RANDOM_START").toUInt()
                              : 20261206u;
    const int actions = qEnvironmentVariableIsSet("TENVO_RANDOM_ACTIONS")
                            ? qEnvironmentVariableIntValue("TENVO_RANDOM_ACTIONS")
                            : 3000;
    QRandomGenerator random(start);
    auto h = std::make_unique<Harness>();
    h->navigator->start();
    QStringList shownStakes;      // what the stake window must show
    CalculationState pricedState; // the state those stakes were priced on
    int ends = 0, errors = 0, accepted = 0;

    for (int action = 0; action < actions; ++action) {
        const QString where =
            QStringLiteral(" (action %1, random start %2)").arg(action).arg(start);
        Navigator& n = *h->navigator;
        const CalculationState before = n.state();
        const QStringList visibleBefore = VisibleWindows();
        QVERIFY2(!visibleBefore.isEmpty(), qPrintable("no window on screen" + where));
        QWidget* oddsWindow = LoadedWindow(QStringLiteral("Form2"));
        QWidget* mainWindow = LoadedWindow(QStringLiteral("Form1"));
        const QStringList oddsBefore = oddsWindow ? BoxTexts(oddsWindow, 2, 21) : QStringList();
        const QString countBefore =
            mainWindow ? mainWindow->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText()
                       : QString();
        const qsizetype messagesBefore = h->messages.size();

        QWidget* window = LoadedWindow(visibleBefore[random.bounded(int(visibleBefore.size()))]);
        const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        QPushButton* pressed = nullptr;
        const int kind = random.bounded(100);
        if (kind < 40) {
            pressed = buttons[random.bounded(int(buttons.size()))];
            if (pressed->text() == QLatin1String("(&E)End") && random.bounded(20) != 0)
                pressed = nullptr; // End now and then only, so that the roads get long
            else
                QTest::mouseClick(pressed, Qt::LeftButton);
        } else if (kind < 45) {
            pressed = buttons[random.bounded(int(buttons.size()))];
            const QChar key = pressed->text()[pressed->text().indexOf(QLatin1Char('&')) + 1];
            if (key == QLatin1Char('E')) {
                pressed = nullptr;
            } else {
                n.show(window);
                QVERIFY(QTest::qWaitForWindowActive(window));
                QSignalSpy clicked(pressed, &QPushButton::clicked);
                QTest::keyClick(window, Qt::Key(key.unicode()), Qt::AltModifier);
                QVERIFY2(clicked.count() == 1 || clicked.wait(2000),
                         qPrintable("access key did not press" + where));
            }
        } else if (kind < 85) {
            // The user types into the count field and the odds boxes.
            QList<QLineEdit*> boxes;
            if (window == mainWindow)
                boxes << window->findChild<QComboBox*>()->lineEdit();
            else if (window == oddsWindow)
                boxes = window->findChildren<QLineEdit*>();
            // Mostly the first entries, which the usual small counts use.
            const int count = int(boxes.size());
            if (count > 0)
                Type(boxes[random.bounded(3) ? random.bounded(std::min(count, 4))
                                             : random.bounded(count)],
                     kTexts[random.bounded(int(kTexts.size()))]);
        } else if (kind < 87) {
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        // Ended by End or by closing the last window: a new run starts.
        if (h->quits > 0) {
            QVERIFY2(h->quits == 1, qPrintable("ended twice" + where));
            QVERIFY2(VisibleWindows().isEmpty(), qPrintable("a window outlived the end" + where));
            ++ends;
            h = std::make_unique<Harness>();
            h->navigator->start();
            shownStakes.clear();
            continue;
        }
        QVERIFY2(!VisibleWindows().isEmpty(), qPrintable("no window left on screen" + where));

        if (h->messages.size() > messagesBefore) {
            ++errors;
            QVERIFY2(n.state() == before, qPrintable("an error changed the state" + where));
            QVERIFY2(VisibleWindows() == visibleBefore,
                     qPrintable("an error moved windows" + where));
            if (oddsWindow)
                QVERIFY2(BoxTexts(oddsWindow, 2, 21) == oddsBefore,
                         qPrintable("an error changed the odds typed" + where));
            if (mainWindow)
                QVERIFY2(mainWindow->findChild<QComboBox*>()->currentText() == countBefore,
                         qPrintable("an error changed the count typed" + where));
            continue;
        }
        if (pressed && window == mainWindow && pressed->objectName() == QLatin1String("Command1") &&
            !mainWindow->isVisible()) {
            // An accepted result: the stake window must show the table of this evaluation.
            CalculationState expected = before;
            QVERIFY(CheckResult(expected).outcome == CheckOutcome::Accepted);
            shownStakes = Expected(ComputeStakeTable(expected));
            pricedState = expected;
            ++accepted;
        }
        if (QWidget* stakes = LoadedWindow(QStringLiteral("Form3")); stakes && stakes->isVisible())
            QVERIFY2(BoxTexts(stakes, 1, 21) == shownStakes, qPrintable("stale stakes" + where));
        if (QWidget* profits = LoadedWindow(QStringLiteral("Form5"));
            profits && profits->isVisible()) {
            QVERIFY2(BoxTexts(profits, 1, 20) == Expected(ComputeProfitTable(pricedState)),
                     qPrintable("profits of other stakes" + where));
        }
    }
    qInfo("%d actions from random start %u: %d ends, %d error messages, %d accepted results",
          actions, start, ends, errors, accepted);
    QVERIFY(accepted > 0);
}

} // namespace tenvo

QTEST_MAIN(tenvo::RandomUserTest)
#include "random_user_test.moc"
