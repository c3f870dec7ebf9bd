// SPDX-License-Identifier: MIT
// The windows driven by clicks and keys: the main road, every button's navigation, close boxes,
// End, minimized windows, what an error or an out-of-range count must never cost the user, and
// figures drawn as figures, always current.
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
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

namespace tenvo {

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonNavigates_data();
    void everyButtonNavigates();
    void figuresShowWhole_data();
    void figuresShowWhole();
    void resultPricesTheCountOnScreen_data();
    void resultPricesTheCountOnScreen();
    void randomRoadsPriceWhatIsOnScreen();
    void errorLandsOnTheBoxToFix_data();
    void errorLandsOnTheBoxToFix();
    void errorsShowInAMessageBoxTitledTenvo();
    void countIsCheckedWhereTyped_data();
    void countIsCheckedWhereTyped();
    void rejectionWritesBothMessages();
    void countFieldAsPeopleUseIt_data();
    void countFieldAsPeopleUseIt();
    void windowComesBackWholeOnAScreen();
    void pastedTextSplitsAsCopied_data();
    void pastedTextSplitsAsCopied();
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

void NavigationTest::figuresShowWhole_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("odds");
    QTest::addColumn<QStringList>("stakes");  // entry 1, entry 20, total
    QTest::addColumn<QStringList>("profits"); // entry 1, entry 20
    QTest::newRow("twenty entries")
        << "20" << QStringList(20, QStringLiteral("40")) << QStringList{"1000", "1000", "20000"}
        << QStringList{"20000", "20000"};
    QTest::newRow("a loss in seven digits")
        << "2" << QStringList{"1", "5000"} << QStringList{"5000000", "0", "5001000"}
        << QStringList{"-1000", "-5001000"};
    // Money in whole yen: a sum of stakes, and a bet that breaks even exactly on a large stake.
    QTest::newRow("a total that is a sum of yen")
        << "3" << QStringList{"21", "4", "9"} << QStringList{"1000", "0", "8700"}
        << QStringList{"12300", "-8700"};
    QTest::newRow("breaking even on a large stake")
        << "6" << QStringList{"15.0", "20289", "15.4", "5.7", "1.8", "4.7"}
        << QStringList{"1352700", "0", "20290500"} << QStringList{"0", "-20290500"};
    QStringList widest{"32748"};
    widest << QStringList(19, QStringLiteral("1"));
    QTest::newRow("the widest figures")
        << "20" << widest << QStringList{"1000", "32748000", "622213000"}
        << QStringList{"-589465000", "-589465000"};
}

void NavigationTest::figuresShowWhole() {
    QFETCH(QString, count);
    QFETCH(QStringList, odds);
    QFETCH(QStringList, stakes);
    QFETCH(QStringList, profits);
    Harness h;
    Road road{h};
    Navigator& n = *h.navigator;
    road.toMain();
    road.count(count);
    road.odds(odds);
    road.result();
    Click(n.form3(), "Command3");
    const QStringList shown = BoxTexts(n.form3(), 1, 21), earned = BoxTexts(n.form5(), 1, 20);
    QCOMPARE((QStringList{shown[0], shown[19], shown[20]}), stakes);
    QCOMPARE((QStringList{earned[0], earned[19]}), profits);
    for (QWidget* window : {static_cast<QWidget*>(n.form3()), static_cast<QWidget*>(n.form5())})
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            // Each drawn as a figure; a stake's tooltip adds its payout and break-even odds, a
            // losing profit's its mark.
            QCOMPARE(box->toolTip().section(QLatin1Char('\n'), 0, 0), box->text());
            // A screen reader reads the figure once: its description says what it is.
            const QString description =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
            QVERIFY(!description.isEmpty() && description != box->text());
        }
    QCOMPARE(n.form2()->entryBox(1)->font(), n.form2()->font()); // typed odds: the usual font
}

void NavigationTest::resultPricesTheCountOnScreen_data() {
    QTest::addColumn<QStringList>("steps");  // after the title button
    QTest::addColumn<QStringList>("stakes"); // entries 1 to 5 and the total at the end
    QTest::addColumn<int>("messages");
    QTest::newRow("a count set back to the one evaluated")
        << QStringList{"count 5", "N", "odds 10 12 15 20 25", "calc",    "count 3", "N", "calc",
                       "count 5", "N", "close odds",          "count 3", "result"}
        << QStringList{"1600", "1300", "1000", "0", "0", "3900"} << 0;
    QTest::newRow("a failed result press keeps the count in use")
        << QStringList{"count 3", "N",      "odds 10 12 15", "box 4 abc", "calc",
                       "count 4", "result", "count 3",       "result"}
        << QStringList{"1600", "1300", "1000", "0", "0", "3900"} << 1;
    QTest::newRow("a failed result press with a smaller count")
        << QStringList{"count 3", "N",      "odds 10 12 15", "calc",    "N",     "box 2 x",
                       "count 2", "result", "box 2 12",      "count 3", "result"}
        << QStringList{"1600", "1300", "1000", "0", "0", "3900"} << 1;
    QTest::newRow("a count changed after a rejection")
        << QStringList{"count 5", "N", "odds 3 4 7 5 6", "calc", "result", "count 3", "result"}
        << QStringList{"2400", "1900", "1000", "0", "0", "5300"} << 0;
}

// Whatever came before, the result button prices the count and odds on screen.
void NavigationTest::resultPricesTheCountOnScreen() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, stakes);
    QFETCH(int, messages);
    Harness h;
    Road road{h};
    road.toMain();
    for (const QString& step : steps)
        Act(road, step);
    QCOMPARE(h.messages.size(), messages);
    QVERIFY(h.navigator->form3()->isVisible());
    QCOMPARE(BoxTexts(h.navigator->form3(), 1, 5) << BoxTexts(h.navigator->form3(), 21, 21),
             stakes);
    Act(road, QStringLiteral("profits"));
    const QString total = stakes.back();
    QCOMPARE(BoxTexts(h.navigator->form5(), 4, 4), QStringList{"-" + total}); // outside the bet
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
    for (int k = 1; k <= count && same; ++k) {
        const QString tip =
            Child<QLineEdit>(stakes, qPrintable(QStringLiteral("Text%1").arg(k)))->toolTip();
        same = tip.contains(QStringLiteral("払戻額 ") + payouts[k - 1]) &&
               tip.contains(QStringLiteral("損益分岐 ") + breakEven[k - 1]);
    }
    for (const JsonValue& entry : answer.find("losing_entries")->elements) {
        QLineEdit* box = n.form5()->findChild<QLineEdit*>(QStringLiteral("Text") +
                                                          QString::fromStdString(entry.text));
        same = same && box->font().underline() &&
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
                can << "count"
                    << "N"
                    << "result"
                    << "result";
            if (n.form2()->isVisible())
                can << "box"
                    << "box"
                    << "odds"
                    << "calc";
            if (n.form2()->isVisible() && VisibleWindows().size() > 1) // the last would end Tenvo
                can << "close odds";
            if (n.form3()->isVisible())
                can << "profits"
                    << "spread"
                    << "spread";
            if (n.form3()->isVisible() && Child<QLineEdit>(n.form3(), "Text22")->isEnabled())
                can << "amount"
                    << "amount"
                    << "amount";
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
                    model.judged(*ReadItemCount(before.count), before.odds,
                                 expected.result->verdict.outcome);
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
    QTest::newRow("empty first box")
        << "3" << QStringList{"", "4", "7"} << false << 1
        << QStringLiteral("実行時エラー '13':\n型が一致しません。\n(1) の倍率「」");
    QTest::newRow("too large")
        << "3" << QStringList{"0", "40000", "7"} << false << 2
        << QStringLiteral("実行時エラー '6':\nオーバーフローしました。\n(2) の倍率「40000」");
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

// The real message box: titled Tenvo, with the error's whole text.
void NavigationTest::errorsShowInAMessageBoxTitledTenvo() {
    Harness h;
    h.navigator = std::make_unique<Navigator>(h.session); // with its own message box
    Road road{h};
    Reach(road, Odds, QStringLiteral("1"));
    road.type({QStringLiteral("abc")});
    QString title, text;
    QTimer::singleShot(0, h.navigator.get(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    Click(h.navigator->form2(), "Command1");
    QCOMPARE(title, QStringLiteral("Tenvo"));
    QCOMPARE(text, QStringLiteral("実行時エラー '13':\n型が一致しません。\n(1) の倍率「abc」"));
}

void NavigationTest::countIsCheckedWhereTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("itemCount"); // 0: refused, the count unchanged
    for (const char* refused : {"0", "21", "-3", "abc", "", "99999", "1,5"})
        QTest::addRow("refused '%s'", refused) << QString::fromUtf8(refused) << 0;
    QTest::newRow("halves round to even") << "2.5" << 2;
    QTest::newRow("blanks around") << " 20 " << 20;
    QTest::newRow("full-width digits") << "１２" << 12;
}

void NavigationTest::countIsCheckedWhereTyped() {
    QFETCH(QString, typed);
    QFETCH(int, itemCount);
    Harness h;
    Road road{h};
    Reach(road, Main);
    QVERIFY(QTest::qWaitForWindowActive(h.navigator->form1()));
    road.count(typed);
    QCOMPARE(h.state().ItemCount, itemCount);
    if (itemCount == 0) {
        QCOMPARE(h.messages, QStringList{QStringLiteral(
                                 "入力項目数には 1 から 20 までの数を入力してください。")});
        QCOMPARE(VisibleWindows(), QStringList{"Form1"});
        QCOMPARE(QApplication::focusWidget(), Child<QComboBox>(h.navigator->form1(), "Combo1"));
        QCOMPARE(Child<QComboBox>(h.navigator->form1(), "Combo1")->lineEdit()->selectedText(),
                 typed); // kept, and selected to be typed over
    } else {
        QCOMPARE(VisibleWindows(), (QStringList{"Form1", "Form2"}));
    }
}

void NavigationTest::countFieldAsPeopleUseIt_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard"); // pasted over what was typed, when not empty
    QTest::addColumn<int>("key");           // pressed after, 0: none; 1: the wheel turned down
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("itemCount"); // after (N)
    QTest::newRow("a cell pasted from a spreadsheet") << ""
                                                      << "5\r\n"
                                                      << 0 << "5" << 5;
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
    QCOMPARE(h.messages, QStringList());
    QCOMPARE(h.state().ItemCount, itemCount);
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

void NavigationTest::rejectionWritesBothMessages() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
    road.odds({"2", "3", "6"});
    road.result();
    QWidget* main = h.navigator->form1();
    QCOMPARE(Child<QLineEdit>(main, "Text2")->text(),
             QStringLiteral("適切な組み合わせは存在しまん"));
    QCOMPARE(Child<QLineEdit>(main, "Text3")->text(),
             QStringLiteral("倍率のより高いものを入力してください"));
    QCOMPARE(Child<QLineEdit>(main, "Text1")->text(), QStringLiteral("3.666667"));
    QCOMPARE(h.state().CalcReady, 0);
    Click(main, "Command3");
    road.odds({"3", "4", "7"});
    road.result();
    QCOMPARE(VisibleWindows(), QStringList{"Form3"});
    QCOMPARE(Child<QLineEdit>(main, "Text2")->text(), QString());
    QCOMPARE(Child<QLineEdit>(main, "Text3")->text(),
             QStringLiteral("倍率のより高いものを入力してください"));
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

void NavigationTest::pastedTextSplitsAsCopied_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("values");
    const int plain = int(PastedText::Kind::Plain), values = int(PastedText::Kind::Values),
              table = int(PastedText::Kind::Table);
    QTest::newRow("one value") << " 3.5 " << plain << QStringList{};
    QTest::newRow("a column, each value as it stands") << "3\n 4.5\n７\n"
                                                       << values << QStringList{"3", " 4.5", "７"};
    QTest::newRow("Windows and old Mac line breaks")
        << "3\r\n4\r5" << values << QStringList{"3", "4", "5"};
    QTest::newRow("a spreadsheet row") << "5\t6\t\t7" << values << QStringList{"5", "6", "7"};
    QTest::newRow("blank lines and cells of white space passed over")
        << "\t3\n\n \n4\t\u3000\n"
        << values << QStringList{"3", "4"};
    QTest::newRow("a single cell copied with its line break") << "8\r\n"
                                                              << values << QStringList{"8"};
    QTest::newRow("nothing but line breaks") << "\n\r\n" << values << QStringList{};
    QTest::newRow("a table") << "1\tA\n2\tB" << table << QStringList{};
    QTest::newRow("a row above a column is a table") << "1\t2\n3\n4" << table << QStringList{};
}

void NavigationTest::pastedTextSplitsAsCopied() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QStringList, values);
    const PastedText pasted = SplitPastedText(text);
    QCOMPARE(int(pasted.kind), kind);
    QCOMPARE(pasted.values, values);
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
