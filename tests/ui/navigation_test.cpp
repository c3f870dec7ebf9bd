// SPDX-License-Identifier: MIT
// The windows driven by clicks and keys: random roads priced as tenvo-calc prices them, every
// button's navigation, close boxes, End, windows brought back whole, what an error or an
// out-of-range count must never cost the user, and what boxes do with keys and paste.
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
    void everyButtonNavigates_data();
    void everyButtonNavigates();
    void randomRoadsPriceWhatIsOnScreen();
    void errorLandsOnTheBoxToFix_data();
    void errorLandsOnTheBoxToFix();
    void countFieldAsPeopleUseIt_data();
    void countFieldAsPeopleUseIt();
    void windowComesBackWholeOnAScreen();
    void pasteFillsTheFollowingBoxes_data();
    void pasteFillsTheFollowingBoxes();
    void closingWindowsKeepsOddsAndCount();
    void keysTypeWhatTheUserMeans();
    void keysReachOnlyWhatIsOnScreen();
};

void NavigationTest::everyButtonNavigates_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("visibleAfter");
    QTest::addColumn<QStringList>("countAndOdds");
    const auto row = [](const char* name, Stage stage, const char* window, const char* button,
                        QStringList after, QStringList countAndOdds = {"3", "3", "4", "7"}) {
        QTest::newRow(name) << int(stage) << window << button << after << countAndOdds;
    };
    row("title button opens the main window", Title, "Form4", "Command1", {"Form1"});
    row("odds button keeps the main window", Main, "Form1", "Command3", {"Form1", "Form2"});
    row("result button before any calculation", Main, "Form1", "Command1", {"Form1"});
    row("main End", Main, "Form1", "Command2", {});
    row("calculate goes back to the main window", Odds, "Form2", "Command1", {"Form1"});
    row("accepted result shows the stakes", Evaluated, "Form1", "Command1", {"Form3"});
    // Neither verdict prices: priced, odds of 0 would raise an error.
    row("zero average", Evaluated, "Form1", "Command1", {"Form1"}, {"1", "0"});
    row("rejected odds below 0.5", Evaluated, "Form1", "Command1", {"Form1"},
        {"3", "0.4", "0.4", "0.4"});
    row("stakes recalculate", Stakes, "Form3", "Command1", {"Form2"});
    row("stakes show profits", Stakes, "Form3", "Command3", {"Form5"});
    row("stakes End", Stakes, "Form3", "Command2", {});
    row("profits recalculate", Profits, "Form5", "Command1", {"Form2"});
    row("profits End", Profits, "Form5", "Command2", {});
}

void NavigationTest::everyButtonNavigates() {
    QFETCH(int, stage);
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QStringList, visibleAfter);
    QFETCH(QStringList, countAndOdds);
    Harness h;
    Road road{h};
    Reach(road, Stage(stage), countAndOdds.front(), countAndOdds.mid(1));
    Click(Window(*h.navigator, window), qPrintable(button));
    QCOMPARE(VisibleWindows(), visibleAfter);
    QCOMPARE(h.quits, button == QLatin1String("Command2") ? 1 : 0);
    QVERIFY(h.messages.isEmpty());
    if (stage == Evaluated) // whatever the verdict, the main window takes the average
        QVERIFY(Child<QLineEdit>(h.navigator->form1(), "Text1")->text() != QLatin1String("Text1"));
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
// that priced it and the spread on screen now; a press that is refused changes no figure, no
// count and no box.
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
            QStringList can; // the steps the windows on screen offer
            if (n.form1()->isVisible())
                can += {"count", "N", "result", "result"};
            if (n.form2()->isVisible())
                can += {"box", "box", "odds", "calc"};
            if (n.form2()->isVisible() && VisibleWindows().size() > 1) // the last would end Tenvo
                can << "close odds";
            if (n.form3()->isVisible())
                can += {"profits", "spread", "spread"};
            if (n.form3()->isVisible() && Child<QLineEdit>(n.form3(), "Text22")->isEnabled())
                can += {"amount", "amount", "amount"};
            if (n.form3()->isVisible() || n.form5()->isVisible())
                can << "recalc";
            QVERIFY(!can.isEmpty());
            QString step = can[typing.pick(int(can.size()))];
            if (step == QLatin1String("count"))
                step += QLatin1Char(' ') + QString::fromStdString(typing.count());
            if (step == QLatin1String("box"))
                step += QStringLiteral(" %1 ").arg(typing.entry()) +
                        QString::fromStdString(typing.odds());
            if (step == QLatin1String("odds")) // the first entries' odds, long ones, at once
                for (int k = 1; k <= 6; ++k)
                    step += QStringLiteral(" %1.%2").arg(4 + typing.pick(40)).arg(typing.pick(10));
            if (step == QLatin1String("spread")) {
                const std::optional<SpreadBy> by = typing.spread();
                step += QStringLiteral(" %1").arg(by ? static_cast<int>(*by) + 1 : 0);
            }
            if (step == QLatin1String("amount"))
                step += QLatin1Char(' ') + QString::fromStdString(typing.amount());
            const QByteArray where = "TENVO_RANDOM=" + QByteArray::number(start) + ", road " +
                                     QByteArray::number(roadNumber) + ", step " +
                                     QByteArray::number(i) + ": " + step.toUtf8();
            const Screen before = OnScreen(n);
            const CalculationState stateBefore = h.state();
            const qsizetype messages = h.messages.size();
            const bool acts = model.resultActs(before.count, before.odds);
            const Expected expected = Reference(before.count, before.odds, SpreadShown(n));
            const bool evaluates = !ReferenceEvaluation(model.itemCount, before.odds);
            Act(road, step);
            const bool refused = h.messages.size() > messages;
            if (step == QLatin1String("N") && !refused)
                model.countTaken(*ReadItemCount(before.count));
            if (step == QLatin1String("calc")) {
                QVERIFY2(refused != evaluates, where);
                if (evaluates)
                    model.oddsEvaluated(before.odds);
            }
            if (step == QLatin1String("result")) {
                QVERIFY2(refused == (acts && !expected.result), where);
                if (acts && expected.result) {
                    const CheckVerdict& verdict = expected.result->verdict;
                    model.judged(*ReadItemCount(before.count), before.odds, verdict.outcome);
                    // The main window takes the average; a rejection writes both messages, an
                    // acceptance clears the first.
                    const QStringList messages = BoxTexts(n.form1(), 1, 3);
                    QVERIFY2(messages[0].toStdString() == verdict.averageText, where);
                    if (verdict.outcome == CheckOutcome::Rejected)
                        QVERIFY2(messages.mid(1) ==
                                     QStringList({"適切な組み合わせは存在しまん",
                                                  "倍率のより高いものを入力してください"}),
                                 where);
                    if (verdict.outcome == CheckOutcome::Accepted)
                        QVERIFY2(messages[1].isEmpty(), where);
                    QVERIFY2(n.form3()->isVisible() == expected.result->accepted(), where);
                }
            }
            if (refused) { // nothing changed
                QVERIFY2(OnScreen(n) == before, where);
                QVERIFY2(h.state() == stateBefore, where);
            }
            if (model.priced && (n.form3()->isVisible() || n.form5()->isVisible())) {
                QVERIFY2(*h.session.result() == *model.table(SpreadShown(n)), where);
                QVERIFY2(ShowsTheAnswer(n, CalcAnswer(*model.priced, SpreadShown(n))), where);
            }
        }
    }
}

void NavigationTest::errorLandsOnTheBoxToFix_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("odds");
    QTest::addColumn<bool>("fromResult"); // raised by the result button, not by calculate
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("message");
    QStringList twenty(19, QStringLiteral("40"));
    QTest::newRow("entry 20") << "20" << (twenty << QStringLiteral("x")) << false << 20
                              << QStringLiteral(
                                     "実行時エラー '13':\n型が一致しません。\n(20) の倍率「x」");
    // The average passes; entry 2 is priced as odds 0.
    QTest::newRow("odds that round to 0, found by the result button")
        << "3" << QStringList{"7", "0.4", "7"} << true << 2
        << QStringLiteral("実行時エラー '11':\n0 で除算しました。\n(2) の倍率「0.4」");
    // No stake can be negative: odds below 0 are refused where they would be priced.
    QTest::newRow("odds below 0, found by the result button")
        << "4" << QStringList{"10", "10", "10", "-2"} << true << 4
        << QStringLiteral("倍率には 0 より大きい数を入力してください。\n(4) の倍率「-2」");
}

void NavigationTest::errorLandsOnTheBoxToFix() {
    QFETCH(QString, count);
    QFETCH(QStringList, odds);
    QFETCH(bool, fromResult);
    QFETCH(int, entry);
    QFETCH(QString, message);
    Harness h;
    Road road{h};
    Navigator& n = *h.navigator;
    road.toMain();
    road.count(count);
    road.type(odds);
    if (fromResult)
        Click(n.form2(), "Command1");
    const CalculationState before = h.state();
    const QStringList typed = BoxTexts(n.form2(), 2, 21);
    QStringList visibleAfter = VisibleWindows() << QStringLiteral("Form2");
    visibleAfter.removeDuplicates();
    visibleAfter.sort();

    Click(fromResult ? static_cast<QWidget*>(n.form1()) : n.form2(), "Command1");
    QCOMPARE(h.messages, QStringList{message});
    QCOMPARE(h.quits, 0);
    QVERIFY(h.state() == before);
    QCOMPARE(VisibleWindows(), visibleAfter);
    QCOMPARE(BoxTexts(n.form2(), 2, 21), typed);
    QVERIFY(QTest::qWaitForWindowActive(n.form2()));
    QCOMPARE(QApplication::focusWidget(), n.form2()->entryBox(entry));
    QCOMPARE(n.form2()->entryBox(entry)->selectedText(), odds[entry - 1]);
}

void NavigationTest::countFieldAsPeopleUseIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard"); // pasted over what was typed, when not empty
    QTest::addColumn<int>("key");           // pressed after, 0: none; 1: the wheel turned down
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("itemCount"); // after (N); 0: refused
    QTest::newRow("a cell pasted from a spreadsheet") << ""
                                                      << "5\r\n"
                                                      << 0 << "5" << 5;
    QTest::newRow("out of range: refused, kept and selected") << "21"
                                                              << "" << 0 << "21" << 0;
    QTest::newRow("Down from a typed 7") << "7"
                                         << "" << int(Qt::Key_Down) << "8" << 8;
    QTest::newRow("Up from a typed 12") << "12"
                                        << "" << int(Qt::Key_Up) << "11" << 11;
    QTest::newRow("Down from a typed 20") << "20"
                                          << "" << int(Qt::Key_Down) << "20" << 20;
    QTest::newRow("the wheel from a typed 7") << "7"
                                              << "" << 1 << "8" << 8;
    QTest::newRow("Down from a typed 1") << "1"
                                         << "" << int(Qt::Key_Down) << "2" << 2;
    QTest::newRow("Down from a number that is no item: from the item picked")
        << "2.5"
        << "" << int(Qt::Key_Down) << "11" << 11;
}

// The count field takes a count pasted from a spreadsheet, and the arrow keys and the wheel
// step from the count typed.
void NavigationTest::countFieldAsPeopleUseIt() {
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(int, itemCount);
    Harness h;
    Road road{h};
    Reach(road, Main);
    QVERIFY(QTest::qWaitForWindowActive(h.navigator->form1()));
    auto* combo = Child<QComboBox>(h.navigator->form1(), "Combo1");
    combo->setCurrentIndex(9); // 10 picked from the list before
    Type(combo->lineEdit(), typed);
    if (!clipboard.isEmpty()) {
        QGuiApplication::clipboard()->setText(clipboard);
        combo->lineEdit()->selectAll();
        QTest::keySequence(combo->lineEdit(), QKeySequence::Paste);
    }
    if (key == 1) {
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    } else if (key) {
        QTest::keyClick(combo->lineEdit(), Qt::Key(key));
    }
    QCOMPARE(combo->currentText(), shown);
    Click(h.navigator->form1(), "Command3");
    QCOMPARE(h.state().ItemCount, itemCount);
    if (itemCount == 0) { // the count is kept, to be typed over
        QCOMPARE(h.messages, QStringList{QStringLiteral(
                                 "入力項目数には 1 から 20 までの数を入力してください。")});
        QCOMPARE(VisibleWindows(), QStringList{"Form1"});
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(combo->lineEdit()->selectedText(), typed);
    } else {
        QCOMPARE(h.messages, QStringList());
    }
}

// A window shown again comes back where it was left only while all of it fits on a screen;
// otherwise at the nearest place where it does.
void NavigationTest::windowComesBackWholeOnAScreen() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
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

void NavigationTest::pasteFillsTheFollowingBoxes_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("fromMenu");     // paste and undo from the box's menu, not the keys
    QTest::addColumn<QStringList>("boxes"); // entries 1 to 4, then 19 and 20
    QTest::addColumn<QString>("message");
    QTest::newRow("a column") << 1 << "3\n4.5\n 7 \n"
                              << false << QStringList{"3", "4.5", " 7 ", "9", "9", "9"} << "";
    QTest::newRow("a spreadsheet row, from the menu")
        << 2 << "5\t６\r\n"
        << true << QStringList{"9", "5", "６", "9", "9", "9"} << "";
    QStringList column;
    for (int value = 1; value <= 25; ++value)
        column << QString::number(value);
    QTest::newRow("up to entry 20, what did not fit said")
        << 3 << column.join('\n') << false << QStringList{"9", "9", "1", "2", "17", "18"}
        << "(20) より後に入る 7 個の値は、入る欄がないため貼り付けませんでした。";
    QTest::newRow("any line breaks, blank lines and cells passed over")
        << 1 << "3\r\n\t\n \u3000\n4\r5" << false << QStringList{"3", "4", "5", "9", "9", "9"}
        << "";
    QTest::newRow("a row above a column is a table")
        << 1 << "1\t2\n3\n4" << false << QStringList(6, QStringLiteral("9"))
        << "表はそのまま貼り付けられません。倍率の列だけをコピーして貼り付けてください。";
    QTest::newRow("a table refused")
        << 1 << "1\tアイ\t3.5\n2\tウエ\t4\n"
        << false << QStringList(6, QStringLiteral("9"))
        << "表はそのまま貼り付けられません。倍率の列だけをコピーして貼り付けてください。";
    QTest::newRow("a single value as usual")
        << 4 << "8" << false << QStringList{"9", "9", "9", "98", "9", "9"} << "";
    QTest::newRow("a single value and a line break")
        << 4 << "8\r\n"
        << true << QStringList{"9", "9", "9", "98", "9", "9"} << "";
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
    QFETCH(int, entry);
    QFETCH(QString, clipboard);
    QFETCH(bool, fromMenu);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    Harness h;
    Road road{h};
    Reach(road, Odds);
    Form2* odds = h.navigator->form2();
    for (int k = 1; k <= 20; ++k)
        odds->entryBox(k)->setText(QStringLiteral("9"));
    QGuiApplication::clipboard()->setText(clipboard);
    QLineEdit* box = odds->entryBox(entry);
    box->setFocus();
    box->end(false);
    if (fromMenu)
        FromMenu(box, QStringLiteral("Ctrl+V"));
    else
        QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(BoxTexts(odds, 2, 5) + BoxTexts(odds, 20, 21), boxes);
    QCOMPARE(h.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(h.state().CalcReady, 0);     // nothing is evaluated until the calculate button
    for (int k = entry + 1; k <= 20; ++k) // pasted into and not being edited: shown whole
        if (odds->entryBox(k)->text() != QLatin1String("9"))
            QCOMPARE(odds->entryBox(k)->toolTip(), odds->entryBox(k)->text());
    // One undo in the box pasted into takes the whole paste back.
    if (fromMenu)
        FromMenu(box, QStringLiteral("Ctrl+Z"));
    else
        QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(BoxTexts(odds, 2, 21), QStringList(20, QStringLiteral("9")));
}

// A box the program hands the focus to is typed over, until typed into; Alt with a key that
// presses nothing types nothing, while AltGr (Ctrl+Alt) types its character; an odds box left
// shows its text whole, and is edited in the usual size.
void NavigationTest::keysTypeWhatTheUserMeans() {
    Harness h;
    Road road{h};
    Navigator& n = *h.navigator;
    Reach(road, Main);
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
    Reach(road, Odds);
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

// The odds window's close box only hides it; the main window's unloads it, and it comes back
// with the count in use and the odds still evaluated.
void NavigationTest::closingWindowsKeepsOddsAndCount() {
    Harness h;
    Road road{h};
    Reach(road, Odds, QStringLiteral("20"));
    Navigator& n = *h.navigator;
    Type(n.form2()->entryBox(12), QStringLiteral("9"));
    n.form2()->close();
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    Click(n.form1(), "Command3");
    QCOMPARE(n.form2()->entryBox(12)->text(), QStringLiteral("9"));
    n.form1()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(VisibleWindows(), QStringList{"Form2"});
    QCOMPARE(h.quits, 0);
    road.odds(QStringList(20, QStringLiteral("40")));
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    QCOMPARE(Child<QComboBox>(n.form1(), "Combo1")->currentText(), QStringLiteral("20"));
    QCOMPARE(Child<QComboBox>(n.form1(), "Combo1")->count(), 20);
    QCOMPARE(Child<QLineEdit>(n.form1(), "Text1")->text(), QStringLiteral("Text1"));
    road.result();
    QCOMPARE(BoxTexts(n.form3(), 1, 3), (QStringList{"1000", "1000", "1000"}));
    QVERIFY(h.messages.isEmpty());
}

} // namespace tenvo

QTEST_MAIN(tenvo::NavigationTest)
#include "navigation_test.moc"
