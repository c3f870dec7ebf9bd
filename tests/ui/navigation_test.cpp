// SPDX-License-Identifier: MIT
// The windows driven by clicks and keys: the main road, every button's navigation, close boxes,
// End, and what a mistyped box or an out-of-range count must never cost the user.
#include "core/run_time_error.h"
#include "window_harness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace tenvo {
namespace {

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

// Alt+key on the window; the button's click arrives a moment later.
bool PressAccessKey(QWidget* window, Qt::Key key, const char* button) {
    QSignalSpy clicked(Child<QPushButton>(window, button), &QPushButton::clicked);
    QTest::keyClick(window, key, Qt::AltModifier);
    return clicked.wait(2000) || clicked.count() == 1;
}

QStringList Figures(std::initializer_list<const char*> first, const char* rest) {
    QStringList figures;
    for (const char* figure : first)
        figures << QString::fromUtf8(figure);
    while (figures.size() < 20)
        figures << QString::fromUtf8(rest);
    return figures;
}

// The user's road, one step per button, through mouse clicks.
struct Road {
    Harness& h;
    Navigator& n = *h.navigator;

    void toMain() {
        n.start();
        Click(n.form4(), "Command1");
    }
    void count(const QString& text) {
        Type(Child<QComboBox>(n.form1(), "Combo1")->lineEdit(), text);
        Click(n.form1(), "Command3");
    }
    void odds(const QStringList& texts) {
        for (int k = 1; k <= texts.size(); ++k)
            Type(n.form2()->entryBox(k), texts[k - 1]);
        Click(n.form2(), "Command1");
    }
    void result() { Click(n.form1(), "Command1"); }
};

enum Stage { Title, Main, Odds, Evaluated, Stakes, Profits };

void Reach(Road& road, Stage stage) {
    if (stage == Title) {
        road.n.start();
        return;
    }
    road.toMain();
    if (stage >= Odds)
        road.count(QStringLiteral("3"));
    if (stage >= Evaluated)
        road.odds({"3", "4", "7"});
    if (stage >= Stakes)
        road.result();
    if (stage >= Profits)
        Click(road.n.form3(), "Command3");
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void mainRoadByKeyboardAlone();
    void everyButtonNavigates_data();
    void everyButtonNavigates();
    void stakeWindowShowsEachNewResult();
    void profitsBelongToTheShownStakes();
    void mistypedBoxLosesNothing_data();
    void mistypedBoxLosesNothing();
    void errorFoundWhilePricingChangesNothing();
    void countIsCheckedWhereTyped_data();
    void countIsCheckedWhereTyped();
    void rejectionWritesBothMessages();
    void enterAndEscapePressNothing();
    void closingTheOddsWindowKeepsItsText();
    void closingTheMainWindowKeepsTheOdds();
    void closingTheLastWindowEndsTheProgram_data();
    void closingTheLastWindowEndsTheProgram();
};

// Keys to whatever has the focus, as a user without a mouse sends them.
void Keys(QKeySequence::StandardKey selectAll, const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keySequence(focus, selectAll);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void NavigationTest::mainRoadByKeyboardAlone() {
    Harness h;
    Navigator& n = *h.navigator;
    n.start();
    QVERIFY(QTest::qWaitForWindowActive(n.form4()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the title button
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});

    QVERIFY(QTest::qWaitForWindowActive(n.form1()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
    Keys(QKeySequence::SelectAll, QStringLiteral("3"));
    QVERIFY(PressAccessKey(n.form1(), Qt::Key_N, "Command3"));
    QCOMPARE(VisibleWindows(), (QStringList{"Form1", "Form2"}));
    QCOMPARE(h.state().ItemCount, 3);

    // The odds window starts in entry 20 and tabs backwards: Shift+Tab twice reaches entry 1.
    QVERIFY(QTest::qWaitForWindowActive(n.form2()));
    QCOMPARE(QApplication::focusWidget(), n.form2()->entryBox(20));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    for (const char* odds : {"3", "4", "7"}) {
        Keys(QKeySequence::SelectAll, QString::fromLatin1(odds));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    }
    QVERIFY(PressAccessKey(n.form2(), Qt::Key_K, "Command1"));
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});

    QVERIFY(QTest::qWaitForWindowActive(n.form1()));
    QVERIFY(PressAccessKey(n.form1(), Qt::Key_K, "Command1"));
    QCOMPARE(VisibleWindows(), QStringList{"Form3"});
    QCOMPARE(BoxTexts(n.form3(), 1, 20), Figures({"2400", "1900", "1000"}, "0"));
    QCOMPARE(BoxTexts(n.form3(), 21, 21), QStringList{"5300"});
    QCOMPARE(Child<QLineEdit>(n.form1(), "Text1")->text(), QStringLiteral("4.666667"));

    QVERIFY(QTest::qWaitForWindowActive(n.form3()));
    QVERIFY(PressAccessKey(n.form3(), Qt::Key_M, "Command3"));
    QCOMPARE(VisibleWindows(), QStringList{"Form5"});
    QCOMPARE(BoxTexts(n.form5(), 1, 20), Figures({"1900", "2300", "1700"}, "-5300"));

    QVERIFY(QTest::qWaitForWindowActive(n.form5()));
    QVERIFY(PressAccessKey(n.form5(), Qt::Key_R, "Command1"));
    QCOMPARE(VisibleWindows(), QStringList{"Form2"});
    QCOMPARE(BoxTexts(n.form2(), 2, 5), (QStringList{"3", "4", "7", "0"}));

    QVERIFY(QTest::qWaitForWindowActive(n.form2()));
    QVERIFY(PressAccessKey(n.form2(), Qt::Key_K, "Command1"));
    QVERIFY(QTest::qWaitForWindowActive(n.form1()));
    QVERIFY(PressAccessKey(n.form1(), Qt::Key_E, "Command2"));
    QCOMPARE(h.quits, 1);
    QCOMPARE(VisibleWindows(), QStringList{});
}

void NavigationTest::everyButtonNavigates_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("visibleAfter");
    QTest::addColumn<bool>("ends");
    QTest::newRow("title button opens the main window")
        << int(Title) << "Form4"
        << "Command1" << QStringList{"Form1"} << false;
    QTest::newRow("odds button keeps the main window")
        << int(Main) << "Form1"
        << "Command3" << QStringList{"Form1", "Form2"} << false;
    QTest::newRow("result button before any calculation")
        << int(Main) << "Form1"
        << "Command1" << QStringList{"Form1"} << false;
    QTest::newRow("main End") << int(Main) << "Form1"
                              << "Command2" << QStringList{} << true;
    QTest::newRow("calculate goes back to the main window")
        << int(Odds) << "Form2"
        << "Command1" << QStringList{"Form1"} << false;
    QTest::newRow("accepted result shows the stakes")
        << int(Evaluated) << "Form1"
        << "Command1" << QStringList{"Form3"} << false;
    QTest::newRow("stakes recalculate") << int(Stakes) << "Form3"
                                        << "Command1" << QStringList{"Form2"} << false;
    QTest::newRow("stakes show profits") << int(Stakes) << "Form3"
                                         << "Command3" << QStringList{"Form5"} << false;
    QTest::newRow("stakes End") << int(Stakes) << "Form3"
                                << "Command2" << QStringList{} << true;
    QTest::newRow("profits recalculate") << int(Profits) << "Form5"
                                         << "Command1" << QStringList{"Form2"} << false;
    QTest::newRow("profits End") << int(Profits) << "Form5"
                                 << "Command2" << QStringList{} << true;
}

void NavigationTest::everyButtonNavigates() {
    QFETCH(int, stage);
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QStringList, visibleAfter);
    QFETCH(bool, ends);
    Harness h;
    Road road{h};
    Reach(road, Stage(stage));
    Click(Window(*h.navigator, window), qPrintable(button));
    QCOMPARE(VisibleWindows(), visibleAfter);
    QCOMPARE(h.quits, ends ? 1 : 0);
    QVERIFY(h.messages.isEmpty());
}

void NavigationTest::stakeWindowShowsEachNewResult() {
    Harness h;
    Road road{h};
    Reach(road, Stakes);
    Click(h.navigator->form3(), "Command1"); // back to the odds window
    road.odds({"4", "5", "0"});
    road.count(QStringLiteral("2"));
    road.odds({"4", "5"});
    road.result();
    QCOMPARE(VisibleWindows(), QStringList{"Form3"});
    QCOMPARE(BoxTexts(h.navigator->form3(), 1, 21),
             Figures({"1300", "1000", "0", "0", "0", "0", "0", "0", "0", "0",   "0",
                      "0",    "0",    "0", "0", "0", "0", "0", "0", "0", "2300"},
                     ""));
    Click(h.navigator->form3(), "Command3");
    QCOMPARE(BoxTexts(h.navigator->form5(), 1, 20), Figures({"2900", "2700"}, "-2300"));
}

void NavigationTest::profitsBelongToTheShownStakes() {
    Harness h;
    Road road{h};
    Reach(road, Evaluated);
    Click(h.navigator->form1(), "Command3"); // the odds window again, beside the main window
    road.result();
    QCOMPARE(VisibleWindows(), (QStringList{"Form2", "Form3"}));
    road.odds({"9", "8", "6"}); // a new evaluation while the stakes of 3, 4, 7 are shown
    Click(h.navigator->form3(), "Command3");
    QCOMPARE(BoxTexts(h.navigator->form5(), 1, 20), Figures({"1900", "2300", "1700"}, "-5300"));
}

void NavigationTest::mistypedBoxLosesNothing_data() {
    QTest::addColumn<QStringList>("odds");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters") << QStringList{"3", "4", "abc"} << 3
                             << QStringLiteral(
                                    "実行時エラー '13':\n型が一致しません。\n(3) の倍率「abc」");
    QTest::newRow("empty first box")
        << QStringList{"", "4", "7"} << 1
        << QStringLiteral("実行時エラー '13':\n型が一致しません。\n(1) の倍率「」");
    QTest::newRow("too large")
        << QStringList{"0", "40000", "7"} << 2
        << QStringLiteral("実行時エラー '6':\nオーバーフローしました。\n(2) の倍率「40000」");
}

void NavigationTest::mistypedBoxLosesNothing() {
    QFETCH(QStringList, odds);
    QFETCH(int, entry);
    QFETCH(QString, message);
    Harness h;
    Road road{h};
    Reach(road, Odds);
    Navigator& n = *h.navigator;
    Type(n.form2()->entryBox(12), QStringLiteral("unused"));
    for (int k = 1; k <= odds.size(); ++k)
        Type(n.form2()->entryBox(k), odds[k - 1]);
    const CalculationState before = h.state();
    const QStringList typed = BoxTexts(n.form2(), 2, 21);
    const QStringList visible = VisibleWindows();
    n.show(n.form2());
    QVERIFY(QTest::qWaitForWindowActive(n.form2()));

    Click(n.form2(), "Command1");
    QCOMPARE(h.messages, QStringList{message});
    QCOMPARE(h.quits, 0);
    QVERIFY(h.state() == before);
    QCOMPARE(VisibleWindows(), visible);
    QCOMPARE(BoxTexts(n.form2(), 2, 21), typed);
    QCOMPARE(QApplication::focusWidget(), n.form2()->entryBox(entry));
    QCOMPARE(n.form2()->entryBox(entry)->selectedText(), odds[entry - 1]);
}

void NavigationTest::errorFoundWhilePricingChangesNothing() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
    road.odds({"7", "7", "0.4"}); // an average of 4.67 passes; entry 3 prices as odds 0
    const CalculationState before = h.state();
    road.result();
    QCOMPARE(h.messages, QStringList{QStringLiteral(
                             "実行時エラー '11':\n0 で除算しました。\n(3) の倍率「0.4」")});
    QVERIFY(h.state() == before);
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    QVERIFY(!LoadedWindow(QStringLiteral("Form3"))); // the stake window was never made
    QCOMPARE(Child<QLineEdit>(h.navigator->form1(), "Text1")->text(), QStringLiteral("Text1"));
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
        QCOMPARE(Child<QComboBox>(h.navigator->form1(), "Combo1")->currentText(), typed);
    } else {
        QVERIFY(h.messages.isEmpty());
        QCOMPARE(VisibleWindows(), (QStringList{"Form1", "Form2"}));
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

void NavigationTest::enterAndEscapePressNothing() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
    Navigator& n = *h.navigator;
    QVERIFY(QTest::qWaitForWindowActive(n.form2()));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(n.form2()->entryBox(20), key);
    auto* combo = Child<QComboBox>(n.form1(), "Combo1");
    Type(combo->lineEdit(), QStringLiteral("7"));
    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Escape);
    QTest::qWait(200); // long enough for any animated click to land
    QCOMPARE(VisibleWindows(), (QStringList{"Form1", "Form2"}));
    QCOMPARE(h.state().CalcReady, 0);
    QCOMPARE(h.state().ItemCount, 3);
    QCOMPARE(combo->count(), 20);
}

void NavigationTest::closingTheOddsWindowKeepsItsText() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
    Navigator& n = *h.navigator;
    Type(n.form2()->entryBox(5), QStringLiteral("9"));
    QWidget* odds = n.form2();
    odds->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    QVERIFY(n.isLoaded(odds));
    QCOMPARE(h.quits, 0);
    Click(n.form1(), "Command3");
    QCOMPARE(n.form2()->entryBox(5)->text(), QStringLiteral("9"));
}

void NavigationTest::closingTheMainWindowKeepsTheOdds() {
    Harness h;
    Road road{h};
    Reach(road, Odds);
    Navigator& n = *h.navigator;
    n.form1()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(VisibleWindows(), QStringList{"Form2"});
    QCOMPARE(h.quits, 0);
    road.odds({"3", "4", "7"});
    // The main window comes back with its design-time contents, the odds still evaluated.
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    QCOMPARE(Child<QComboBox>(n.form1(), "Combo1")->currentText(), QStringLiteral("1"));
    QCOMPARE(Child<QLineEdit>(n.form1(), "Text1")->text(), QStringLiteral("Text1"));
    QCOMPARE(h.state().EntryValues.at(3), Value(std::string("7")));
    road.result();
    QCOMPARE(BoxTexts(n.form3(), 1, 3), (QStringList{"2400", "1900", "1000"}));
    QVERIFY(h.messages.isEmpty());
}

void NavigationTest::closingTheLastWindowEndsTheProgram_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("window");
    QTest::newRow("title before its button") << int(Title) << "Form4";
    QTest::newRow("stake window") << int(Stakes) << "Form3";
    QTest::newRow("profit window") << int(Profits) << "Form5";
}

void NavigationTest::closingTheLastWindowEndsTheProgram() {
    QFETCH(int, stage);
    QFETCH(QString, window);
    Harness h;
    Road road{h};
    Reach(road, Stage(stage));
    QPointer<QWidget> closing = Window(*h.navigator, window);
    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closing.isNull()); // unloaded: its contents are gone
    QCOMPARE(VisibleWindows(), QStringList{});
    QCOMPARE(h.quits, 1);
}

} // namespace tenvo

QTEST_MAIN(tenvo::NavigationTest)
#include "navigation_test.moc"
