// SPDX-License-Identifier: MIT
// The windows driven by clicks and keys: random roads priced as tenvo-calc prices them, where a
// refusal leaves the user and what closing the main window must never cost; every button's
// navigation, End, windows brought back whole, the count field, and what boxes do with keys and
// paste.
#include "cli/calc_report.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"
#include "press_model.h"
#include "window_harness.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace tenvo {

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonNavigates();
    void randomRoadsPriceWhatIsOnScreen();
    void anErrorInTheLastEntryLandsOnItsBox();
    void countFieldAsPeopleUseIt();
    void windowComesBackWholeOnAScreen();
    void pasteFillsTheFollowingBoxes();
    void keysTypeWhatTheUserMeans();
    void keysReachOnlyWhatIsOnScreen();
};

void NavigationTest::everyButtonNavigates() {
    const struct {
        const char* name;
        Stage stage;
        const char* window;
        const char* button;
        QStringList visibleAfter;
        QStringList countAndOdds = {"3", "3", "4", "7"};
    } rows[] = {
        {"title button opens the main window", Title, "Form4", "Command1", {"Form1"}},
        {"odds button keeps the main window", Main, "Form1", "Command3", {"Form1", "Form2"}},
        {"result button before any calculation", Main, "Form1", "Command1", {"Form1"}},
        {"main End", Main, "Form1", "Command2", {}},
        {"main close box, the last window on screen", Main, "Form1", "close box", {}},
        {"calculate goes back to the main window", Odds, "Form2", "Command1", {"Form1"}},
        {"accepted result shows the stakes", Evaluated, "Form1", "Command1", {"Form3"}},
        // Neither verdict prices: priced, odds of 0 would raise an error.
        {"zero average", Evaluated, "Form1", "Command1", {"Form1"}, {"1", "0"}},
        {"rejected odds below 0.5",
         Evaluated,
         "Form1",
         "Command1",
         {"Form1"},
         {"3", "0.4", "0.4", "0.4"}},
        {"stakes recalculate", Stakes, "Form3", "Command1", {"Form2"}},
        {"stakes show profits", Stakes, "Form3", "Command3", {"Form5"}},
        {"stakes End", Stakes, "Form3", "Command2", {}},
        {"profits recalculate", Profits, "Form5", "Command1", {"Form2"}},
        {"profits End", Profits, "Form5", "Command2", {}},
    };
    for (const auto& row : rows) {
        const auto inRow = InRow(row.name);
        Harness h;
        Reach(h, row.stage, row.countAndOdds.front(), row.countAndOdds.mid(1));
        QWidget* window = Window(*h.navigator, QString::fromLatin1(row.window));
        const bool ends = row.visibleAfter.isEmpty();
        if (QByteArray(row.button) == "close box")
            window->close();
        else
            Click(window, row.button);
        QCOMPARE(VisibleWindows(), row.visibleAfter);
        QCOMPARE(h.quits, ends ? 1 : 0);
        QVERIFY(h.messages.isEmpty());
        if (row.stage == Evaluated) // whatever the verdict, the main window takes the average
            QVERIFY(Child<QLineEdit>(h.navigator->form1(), "Text1")->text() != "Text1");
    }
}

namespace {

// What the windows show: the count field and the twenty odds boxes.
struct Screen {
    std::string count;
    OddsTexts odds;
    bool operator==(const Screen&) const = default;
};

Screen OnScreen(Navigator& n) {
    Screen screen{Child<QComboBox>(n.form1(), "Combo1")->currentText().toStdString(), {}};
    for (int k = 1; k <= kEntryCount; ++k)
        screen.odds[k - 1] = n.form2()->entryBox(k)->text().toStdString();
    return screen;
}

// The stake window's spread as it stands on screen.
SpreadOnScreen SpreadShown(Navigator& n) {
    const int choice = Child<QComboBox>(n.form3(), "Combo1")->currentIndex();
    return {choice > 0 ? std::optional(SpreadBy(choice - 1)) : std::nullopt,
            Child<QLineEdit>(n.form3(), "Text22")->text().toStdString()};
}

// What tenvo-calc answers for the count and odds priced and the spread on screen: its JSON
// answer's members, read back.
JsonValue CalcAnswer(const std::pair<Integer, OddsTexts>& priced, const SpreadOnScreen& spread) {
    CalcRequest request{std::to_string(priced.first),
                        std::vector<std::string>(priced.second.begin(), priced.second.end()),
                        std::nullopt};
    if (spread.by)
        request.spread = SpreadText{*spread.by, spread.amount};
    JsonWriter json;
    json.beginObject();
    WriteJsonMembers(PriceRequest(request), json);
    json.endObject();
    return std::get<JsonValue>(ReadJson(json.text()));
}

// The texts of a JSON array of strings; nulls read as empty texts.
QStringList Strings(const JsonValue* array) {
    QStringList texts;
    for (const JsonValue& element : array->elements)
        texts << QString::fromStdString(element.text);
    return texts;
}

// Whether the stake and profit windows show, to the character, what tenvo-calc answers: the
// stakes, the total, the guaranteed payout, the combined odds and what a budget leaves, each
// stake's payout and break-even odds, the losing entries; or, for an amount it refuses, no figure
// and its reason.
bool ShowsTheAnswer(Navigator& n, const JsonValue& answer) {
    QWidget* stakes = n.form3();
    if (const JsonValue* error = answer.find("error")) {
        QStringList empty = BoxTexts(stakes, 1, 21) + BoxTexts(n.form5(), 1, 20);
        empty.removeAll(QString());
        return empty.isEmpty() && Child<QLabel>(stakes, "Label27")->text() ==
                                      QString::fromStdString(error->find("message")->text);
    }
    const QStringList payouts = Strings(answer.find("payouts"));
    const QStringList breakEven = Strings(answer.find("breakeven_odds"));
    const int count = std::stoi(answer.find("count")->text);
    QString guaranteed = payouts.front();
    for (int k = 1; k <= count; ++k)
        if (payouts[k - 1].toLongLong() < guaranteed.toLongLong())
            guaranteed = payouts[k - 1];
    const JsonValue* unspent = answer.find("unspent");
    bool same =
        BoxTexts(stakes, 1, 21) == Strings(answer.find("stakes"))
                                       << QString::fromStdString(answer.find("total")->text) &&
        BoxTexts(stakes, 23, 25) ==
            QStringList{guaranteed, QString::fromStdString(answer.find("combined_odds")->text),
                        unspent ? QString::fromStdString(unspent->text) : QString()} &&
        BoxTexts(n.form5(), 1, 20) == Strings(answer.find("profits")) &&
        Child<QLabel>(stakes, "Label27")->text().isEmpty();
    for (int k = 1; k <= kEntryCount && same; ++k) { // none for an entry outside the bet
        const QString tip =
            Child<QLineEdit>(stakes, qPrintable(QStringLiteral("Text%1").arg(k)))->toolTip();
        same = breakEven[k - 1].isEmpty()
                   ? !tip.contains(QStringLiteral("損益分岐"))
                   : tip.contains(QStringLiteral("払戻額 ") + payouts[k - 1]) &&
                         tip.contains(QStringLiteral("損益分岐 ") + breakEven[k - 1]);
    }
    for (const JsonValue& entry : answer.find("losing_entries")->elements) {
        QLineEdit* box = n.form5()->findChild<QLineEdit*>(QStringLiteral("Text") +
                                                          QString::fromStdString(entry.text));
        same = same && box->font().underline() &&
               box->palette().color(QPalette::Text) != n.form5()->palette().color(QPalette::Text) &&
               QAccessible::queryAccessibleInterface(box)
                   ->text(QAccessible::Description)
                   .contains(QStringLiteral("トリガミ"));
    }
    return same;
}

} // namespace

// Random roads through the real windows: whenever the stake or profit window shows a table, it
// is what tenvo-calc answers for the count field and the odds boxes as they were at the press
// that priced it and the spread on screen now. A press that is refused changes no figure, no
// count and no box, says why, and hands the focus, text selected, to what must be mended: the
// count field, or the odds box the error names. Closing the main window keeps the odds, what
// was evaluated and the count in use.
void NavigationTest::randomRoadsPriceWhatIsOnScreen() {
    const unsigned start = RandomStart();
    RandomTyping typing{std::mt19937(start)};
    for (int roadNumber = 0; roadNumber < 300; ++roadNumber) {
        Harness h;
        Road road{h};
        Navigator& n = *h.navigator;
        road.toMain();
        PressModel model;
        for (int i = 0; i < 30; ++i) {
            // The steps the windows on screen offer; a button's step names its window and button.
            QStringList can;
            const bool others = VisibleWindows().size() > 1; // closing the last would end Tenvo
            if (n.form1()->isVisible())
                can += {"count", "Form1 Command3", "Form1 Command1", "Form1 Command1",
                        others ? "close main" : "Form1 Command3"};
            if (n.form2()->isVisible())
                can += {"box", "box", "odds", "Form2 Command1",
                        others ? "close odds" : "Form2 Command1"};
            if (n.form3()->isVisible())
                can += {"Form3 Command3", "spread", "spread", "Form3 Command1"};
            if (n.form3()->isVisible() && Child<QLineEdit>(n.form3(), "Text22")->isEnabled())
                can += {"amount", "amount", "amount"};
            if (n.form5()->isVisible())
                can << "Form5 Command1";
            QVERIFY(!can.isEmpty());
            const QString step = can[typing.pick(int(can.size()))];
            const Screen before = OnScreen(n);
            const CalculationState stateBefore = h.state();
            const qsizetype messages = h.messages.size();
            const SpreadOnScreen spread = SpreadShown(n);
            QString typed; // what the step typed, for the message of a failure
            const auto type = [&typed](QLineEdit* box, const std::string& text) {
                typed += QStringLiteral(" \"%1\"").arg(QString::fromStdString(text));
                Type(box, QString::fromStdString(text));
            };
            if (step == "count") {
                type(Child<QComboBox>(n.form1(), "Combo1")->lineEdit(), typing.count());
            } else if (step == "box") {
                const int k = typing.entry();
                typed = QStringLiteral(" in %1").arg(k);
                type(n.form2()->entryBox(k), typing.odds());
            } else if (step == "odds") { // the first entries' odds, long ones, at once
                for (int k = 1; k <= 6; ++k)
                    type(n.form2()->entryBox(k), std::to_string(4 + typing.pick(40)) + "." +
                                                     std::to_string(typing.pick(10)));
            } else if (step == "spread") {
                const std::optional<SpreadBy> by = typing.spread();
                Child<QComboBox>(n.form3(), "Combo1")->setCurrentIndex(by ? int(*by) + 1 : 0);
            } else if (step == "amount") {
                type(Child<QLineEdit>(n.form3(), "Text22"), typing.amount());
            } else if (step == "close main" || step == "close odds") {
                (step == "close main" ? static_cast<QWidget*>(n.form1()) : n.form2())->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                Click(Window(n, step.section(' ', 0, 0)), qPrintable(step.section(' ', 1)));
            }
            const QByteArray where = "TENVO_RANDOM=" + QByteArray::number(start) + ", road " +
                                     QByteArray::number(roadNumber) + ", step " +
                                     QByteArray::number(i) + ": " + (step + typed).toUtf8();
            const bool refused = h.messages.size() > messages;
            std::optional<RuntimeError> error; // the error the press is refused with
            bool countRefused = step == "Form1 Command3" && !model.takeCount(before.count);
            if (step == "Form2 Command1")
                error = model.evaluate(before.odds);
            const auto expected = step == "Form1 Command1"
                                      ? model.result(before.count, before.odds, spread)
                                      : std::nullopt;
            if (expected) {
                error = expected->error;
                countRefused = expected->countRefused;
            }
            if (expected && expected->result) {
                // The main window takes the average; a rejection writes both messages, an
                // acceptance clears the first.
                const CheckVerdict& verdict = expected->result->verdict;
                const QStringList shown = BoxTexts(n.form1(), 1, 3);
                const QStringList rejection = {"適切な組み合わせは存在しまん",
                                               "倍率のより高いものを入力してください"};
                QVERIFY2(shown[0].toStdString() == verdict.averageText, where);
                QVERIFY2(verdict.outcome != CheckOutcome::Rejected || shown.mid(1) == rejection,
                         where);
                QVERIFY2(verdict.outcome != CheckOutcome::Accepted || shown[1].isEmpty(), where);
                QVERIFY2(n.form3()->isVisible() == expected->result->accepted(), where);
            }
            QVERIFY2(refused == (error || countRefused), where);
            if (refused) { // nothing changed, and the focus is where the fault is
                QVERIFY2(OnScreen(n) == before, where);
                QVERIFY2(h.state() == stateBefore, where);
                QVERIFY2(h.messages.back() ==
                             (error ? QString::fromStdString(ErrorMessage(*error))
                                    : "入力項目数には 1 から 20 までの数を入力してください。"),
                         where);
                // An error that names an entry brings the odds window up with its box focused.
                const int entry = error ? error->entry().value_or(0) : 0;
                auto* count = Child<QComboBox>(n.form1(), "Combo1");
                QLineEdit* fix = entry ? n.form2()->entryBox(entry) : count->lineEdit();
                const std::string text = entry ? before.odds[std::size_t(entry - 1)] : before.count;
                QVERIFY2(!entry || QTest::qWaitForWindowActive(n.form2()), where);
                QVERIFY2(!(entry || countRefused) ||
                             (fix->window()->focusWidget() ==
                                  (entry ? static_cast<QWidget*>(fix) : count) &&
                              fix->selectedText().toStdString() == text),
                         where);
            }
            if (step == "close main") { // the odds, the state and the count in use are kept
                Screen kept = before;
                kept.count = model.itemCount >= 1 ? std::to_string(model.itemCount) : "1";
                QVERIFY2(OnScreen(n) == kept && h.state() == stateBefore, where);
            }
            if (model.priced && (n.form3()->isVisible() || n.form5()->isVisible())) {
                QVERIFY2(*h.session.result() == *model.table(SpreadShown(n)), where);
                QVERIFY2(ShowsTheAnswer(n, CalcAnswer(*model.priced, SpreadShown(n))), where);
            }
            QVERIFY2(h.quits == 0, where);
        }
    }
}

// An error in the last entry brings the odds window up with its box focused: the random roads
// seldom reach it.
void NavigationTest::anErrorInTheLastEntryLandsOnItsBox() {
    Harness h;
    Reach(h, Evaluated, QStringLiteral("20"), QStringList(19, QStringLiteral("40")) << "x");
    QCOMPARE(h.messages.size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(h.navigator->form2()));
    QCOMPARE(QApplication::focusWidget(), h.navigator->form2()->entryBox(20));
    QCOMPARE(h.navigator->form2()->entryBox(20)->selectedText(), QStringLiteral("x"));
}

// The count field takes a count pasted from a spreadsheet, and the arrow keys and the wheel
// step from the count typed.
void NavigationTest::countFieldAsPeopleUseIt() {
    constexpr int kWheel = 1; // the wheel turned down
    const struct {
        const char* name;
        QString typed;
        QString clipboard; // pasted over what was typed, when not empty
        int key;           // pressed after, 0: none
        QString shown;
    } rows[] = {
        {"a cell pasted from a spreadsheet", "", "5\r\n", 0, "5"},
        {"Down from a typed 7", "7", "", Qt::Key_Down, "8"},
        {"Up from a typed 12", "12", "", Qt::Key_Up, "11"},
        {"Down from a typed 20", "20", "", Qt::Key_Down, "20"},
        {"the wheel from a typed 7", "7", "", kWheel, "8"},
        {"Down from a typed 1", "1", "", Qt::Key_Down, "2"},
        {"Down from a number that is no item: from the item picked", "2.5", "", Qt::Key_Down, "11"},
    };
    for (const auto& row : rows) {
        const auto inRow = InRow(row.name);
        Harness h;
        Reach(h, Main);
        QVERIFY(QTest::qWaitForWindowActive(h.navigator->form1()));
        auto* combo = Child<QComboBox>(h.navigator->form1(), "Combo1");
        combo->setCurrentIndex(9); // 10 picked from the list before
        Type(combo->lineEdit(), row.typed);
        if (!row.clipboard.isEmpty()) {
            QGuiApplication::clipboard()->setText(row.clipboard);
            combo->lineEdit()->selectAll();
            QTest::keySequence(combo->lineEdit(), QKeySequence::Paste);
        }
        if (row.key == kWheel) {
            QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(combo, &wheel);
        } else if (row.key) {
            QTest::keyClick(combo->lineEdit(), Qt::Key(row.key));
        }
        QCOMPARE(combo->currentText(), row.shown);
        Click(h.navigator->form1(), "Command3");
        QCOMPARE(h.state().ItemCount, row.shown.toInt());
        QCOMPARE(h.messages, QStringList());
    }
}

// A window shown again comes back where it was left only while all of it fits on a screen;
// otherwise at the nearest place where it does.
void NavigationTest::windowComesBackWholeOnAScreen() {
    Harness h;
    Reach(h, Odds);
    QWidget* odds = h.navigator->form2();
    const QRect screen = odds->screen()->availableGeometry();
    const QSize frame = odds->frameGeometry().size();
    const struct {
        QPoint left;  // where the window was left
        QPoint shown; // where it comes back
    } rows[] = {
        {screen.bottomRight() - QPoint(50, 20),
         screen.bottomRight() + QPoint(1, 1) - QPoint(frame.width(), frame.height())},
        {QPoint(-400, 30), QPoint(screen.left(), 30)},
        {screen.topLeft() + QPoint(10, 20), screen.topLeft() + QPoint(10, 20)}, // it fits
    };
    for (const auto& row : rows) {
        odds->move(row.left);
        Click(odds, "Command1"); // hidden
        Click(h.navigator->form1(), "Command3");
        QVERIFY(odds->isVisible());
        QCOMPARE(odds->pos(), row.shown);
    }
}

// Triggers the action of a box's menu that shows the shortcut.
void FromMenu(QLineEdit* box, const QString& shortcut) {
    QTimer::singleShot(0, box, [shortcut] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->text().endsWith(shortcut) && action->isEnabled())
                action->trigger();
        if (menu)
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                            box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &event);
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box->findChildren<QMenu*>().isEmpty()); // a closed menu is freed
}

void NavigationTest::pasteFillsTheFollowingBoxes() {
    const QString table =
        "表はそのまま貼り付けられません。倍率の列だけをコピーして貼り付けてください。";
    QStringList column;
    for (int value = 1; value <= 25; ++value)
        column << QString::number(value);
    const QStringList nines(6, QStringLiteral("9"));
    const struct {
        const char* name;
        int entry;
        QString clipboard;
        bool fromMenu;     // paste and undo from the box's menu, not the keys
        QStringList boxes; // entries 1 to 4, then 19 and 20
        QString message;
    } rows[] = {
        {"a column", 1, "3\n4.5\n 7 \n", false, {"3", "4.5", " 7 ", "9", "9", "9"}, ""},
        {"a spreadsheet row, from the menu",
         2,
         "5\t６\r\n",
         true,
         {"9", "5", "６", "9", "9", "9"},
         ""},
        {"up to entry 20, what did not fit said",
         3,
         column.join('\n'),
         false,
         {"9", "9", "1", "2", "17", "18"},
         "(20) より後に入る 7 個の値は、入る欄がないため貼り付けませんでした。"},
        {"any line breaks, blank lines and cells passed over",
         1,
         "3\r\n\t\n \u3000\n4\r5",
         false,
         {"3", "4", "5", "9", "9", "9"},
         ""},
        {"a row above a column is a table", 1, "1\t2\n3\n4", false, nines, table},
        {"a table refused", 1, "1\tアイ\t3.5\n2\tウエ\t4\n", false, nines, table},
        {"a single value as usual", 4, "8", false, {"9", "9", "9", "98", "9", "9"}, ""},
        {"a single value and a line break", 4, "8\r\n", true, {"9", "9", "9", "98", "9", "9"}, ""},
    };
    for (const auto& row : rows) {
        const auto inRow = InRow(row.name);
        Harness h;
        Reach(h, Odds);
        Form2* odds = h.navigator->form2();
        for (int k = 1; k <= 20; ++k)
            odds->entryBox(k)->setText(QStringLiteral("9"));
        QGuiApplication::clipboard()->setText(row.clipboard);
        QLineEdit* box = odds->entryBox(row.entry);
        box->setFocus();
        box->end(false);
        if (row.fromMenu)
            FromMenu(box, QStringLiteral("Ctrl+V"));
        else
            QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(BoxTexts(odds, 2, 5) + BoxTexts(odds, 20, 21), row.boxes);
        QCOMPARE(h.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message});
        QCOMPARE(h.state().CalcReady, 0);         // nothing is evaluated until calculate
        for (int k = row.entry + 1; k <= 20; ++k) // pasted into and not being edited: whole
            if (odds->entryBox(k)->text() != QLatin1String("9"))
                QCOMPARE(odds->entryBox(k)->toolTip(), odds->entryBox(k)->text());
        // One undo in the box pasted into takes the whole paste back.
        if (row.fromMenu)
            FromMenu(box, QStringLiteral("Ctrl+Z"));
        else
            QTest::keySequence(box, QKeySequence::Undo);
        QCOMPARE(BoxTexts(odds, 2, 21), QStringList(20, QStringLiteral("9")));
    }
}

// A box the program hands the focus to is typed over, until typed into; Alt with a key that
// presses nothing types nothing, while AltGr (Ctrl+Alt) types its character; an odds box left
// shows its text whole, and is edited in the usual size.
void NavigationTest::keysTypeWhatTheUserMeans() {
    Harness h;
    Navigator& n = *h.navigator;
    Reach(h, Main);
    QLineEdit* count = Child<QComboBox>(n.form1(), "Combo1")->lineEdit();
    QCOMPARE(count->selectedText(), QStringLiteral("1"));
    Click(n.form1(), "Command3");
    QLineEdit* box = n.form2()->entryBox(20);
    QVERIFY(QTest::qWaitForWindowActive(n.form2()));
    QCOMPARE(QApplication::focusWidget(), box);
    const auto focusMovesAndComesBack = [box](Qt::FocusReason reason) {
        for (const QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
            QFocusEvent focus(type, reason);
            QApplication::sendEvent(box, &focus);
        }
    };
    focusMovesAndComesBack(Qt::OtherFocusReason);       // as a window manager may move it
    QCOMPARE(box->selectedText(), QStringLiteral("0")); // still to be typed over
    QTest::keyClicks(box, QStringLiteral("120.5"));
    focusMovesAndComesBack(Qt::ActiveWindowFocusReason); // to another window and back
    QCOMPARE(box->selectedText(), QString());            // typed into, no longer to be typed over
    QTest::keyClick(box, Qt::Key_M, Qt::AltModifier);
    QTest::keyClick(box, '@', Qt::ControlModifier | Qt::AltModifier); // AltGr on some keyboards
    QCOMPARE(box->text(), QStringLiteral("120.5@"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backtab); // to the calculate button
    QCOMPARE(box->cursorPosition(), 0);
    QCOMPARE(box->toolTip(), QStringLiteral("120.5"));
    QVERIFY(box->font().pointSizeF() < n.form2()->font().pointSizeF());
    box->setFocus();
    QCOMPARE(box->font(), n.form2()->font());
}

// A key the window system still delivers to a window just hidden goes to the window in front;
// figures can be copied, not edited; Enter presses the focused button, never one from a box;
// every window shows its focus from the moment it opens.
void NavigationTest::keysReachOnlyWhatIsOnScreen() {
    Harness h;
    Road road{h};
    Navigator& n = *h.navigator;
    Reach(h, Odds);
    road.type({"3", "4", "7"});
    Child<QComboBox>(n.form1(), "Combo1")->setFocus(); // as after typing the count
    Click(n.form2(), "Command1"); // the odds window hidden, the main window in front
    QVERIFY(QTest::qWaitForWindowActive(n.form1()));
    QTest::keyClick(n.form2()->entryBox(3), Qt::Key_1, Qt::NoModifier);
    QTest::keyClick(n.form2()->entryBox(3), Qt::Key_2, Qt::NoModifier);
    QCOMPARE(n.form2()->entryBox(3)->text(), QStringLiteral("7"));
    QCOMPARE(Child<QComboBox>(n.form1(), "Combo1")->currentText(), QStringLiteral("12"));

    Type(Child<QComboBox>(n.form1(), "Combo1")->lineEdit(), QStringLiteral("3"));
    QTest::keyClick(n.form2()->entryBox(1), Qt::Key_Return); // in a box: presses nothing
    road.result();
    QVERIFY(QTest::qWaitForWindowActive(n.form3()));
    QVERIFY(n.form3()->testAttribute(Qt::WA_KeyboardFocusChange));
    QLineEdit* stake = Child<QLineEdit>(n.form3(), "Text1");
    for (QLineEdit* figure : {stake, Child<QLineEdit>(n.form3(), "Text21")}) {
        figure->setFocus();
        QTest::keyClicks(figure, QStringLiteral("7"));
        QTest::keyClick(figure, Qt::Key_Backspace);
        QCOMPARE(figure->text(), figure == stake ? QStringLiteral("2400") : QStringLiteral("5300"));
        QVERIFY(QAccessible::queryAccessibleInterface(figure)->state().readOnly);
    }
    Click(n.form3(), "Command3");
    QVERIFY(QTest::qWaitForWindowActive(n.form5()));
    QVERIFY(n.form5()->testAttribute(Qt::WA_KeyboardFocusChange));
    QCOMPARE(QApplication::focusWidget(), Child(n.form5(), "Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // (&R)再計算
    QTRY_VERIFY(n.form2()->isVisible() && !n.form5()->isVisible());
    QCOMPARE(h.quits, 0);
}

} // namespace tenvo

QTEST_MAIN(tenvo::NavigationTest)
#include "navigation_test.moc"
