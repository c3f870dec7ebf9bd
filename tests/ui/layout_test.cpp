// SPDX-License-Identifier: MIT
// Every window's controls against the layout tables: kind, text, geometry, visibility, tab order.
#include "window_harness.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace tenvo {

struct Expected {
    QString name;
    QString kind; // Qt class
    QString text;
    int left, top, width, height; // twips
};

} // namespace tenvo

Q_DECLARE_METATYPE(tenvo::Expected)

namespace tenvo {
namespace {

QString TextOf(QWidget* control) {
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    return {};
}

// Follows the focus chain from the window's first focus, naming each control that takes focus.
QStringList FocusCycle(QWidget* window) {
    QStringList names;
    QWidget* start = window->focusWidget();
    QWidget* w = start;
    do {
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->focusProxy() == nullptr && w != window)
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    return names;
}

QStringList Names(const char* prefix, std::initializer_list<int> numbers) {
    QStringList names;
    for (int n : numbers)
        names << QString::fromLatin1(prefix) + QString::number(n);
    return names;
}

QStringList Range(const char* prefix, int from, int to) {
    QStringList names;
    for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1)
        names << QString::fromLatin1(prefix) + QString::number(n);
    return names;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windows_data();
    void windows();
    void tabOrder_data();
    void tabOrder();
    void accessibleNames();
    void mainWindowDetails();
};

void LayoutTest::controls_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<Expected>("expected");
    const auto row = [](const char* window, Expected e) {
        QTest::addRow("%s.%s", window, qPrintable(e.name)) << QString::fromLatin1(window) << e;
    };
    const QString button = QStringLiteral("QPushButton"), box = QStringLiteral("QLineEdit"),
                  label = QStringLiteral("QLabel");

    row("Form4", {"Command1", button, "(&O)お金持ちになる！", 720, 3720, 2055, 735});

    row("Form1", {"Combo1", "QComboBox", "1", 960, 720, 615, 300});
    row("Form1", {"Command1", button, "(&K)結果表示", 2760, 720, 1095, 495});
    row("Form1", {"Command2", button, "(&E)End", 3960, 720, 975, 495});
    row("Form1", {"Command3", button, "(&N)倍率入力", 1560, 720, 1095, 495});
    row("Form1", {"Text2", box, "", 840, 0, 2655, 255});
    row("Form1", {"Text3", box, "", 360, 240, 3615, 255});
    row("Form1", {"Text1", box, "Text1", 4200, 120, 975, 270});
    row("Form1", {"Label1", label, "入力項目数", 0, 720, 975, 255});

    row("Form2", {"Command1", button, "(&K)計算", 7440, 0, 1335, 855});
    row("Form2", {"Frame1", "QGroupBox", "倍率入力", 0, 120, 7335, 2415});
    const int form2Label[20][2] = {{375, 375}, {375, 375}, {375, 375}, {495, 495}, {375, 375},
                                   {255, 255}, {375, 255}, {255, 255}, {255, 255}, {375, 255},
                                   {375, 255}, {375, 255}, {375, 255}, {375, 255}, {375, 255},
                                   {375, 255}, {375, 255}, {375, 255}, {375, 255}, {375, 255}};
    for (int k = 1; k <= 20; ++k) {
        const int left = 120 + 600 * (k <= 12 ? k - 1 : k - 13);
        const int top = k <= 12 ? 840 : 1800;
        row("Form2", {QStringLiteral("Text%1").arg(k + 1), box, "0", left, top, 495, 375});
        row("Form2", {QStringLiteral("Label%1").arg(k), label, QStringLiteral("(%1)").arg(k), left,
                      top - 240, form2Label[k - 1][0], form2Label[k - 1][1]});
    }

    for (const char* window : {"Form3", "Form5"}) {
        const bool stakes = QLatin1String(window) == QLatin1String("Form3");
        const int first = stakes ? 240 : 0; // the stake window's rows start lower
        for (int k = 1; k <= 20; ++k) {
            const int top = first + 480 * (k <= 11 ? k - 1 : k - 12);
            row(window, {QStringLiteral("Text%1").arg(k), box, QStringLiteral("Text%1").arg(k),
                         k <= 11 ? 360 : 1680, top, 855, 375});
        }
        const int labelSize[20][2] = {{375, 375}, {375, 375}, {255, 375}, {255, 255}, {255, 255},
                                      {375, 255}, {255, 255}, {255, 255}, {255, 375}, {375, 255},
                                      {375, 375}, {375, 255}, {375, 255}, {375, 255}, {375, 255},
                                      {375, 255}, {375, 255}, {375, 255}, {375, 255}, {375, 255}};
        for (int k = 1; k <= 20; ++k) {
            const int top = first + 480 * (k <= 11 ? k - 1 : k - 12);
            row(window, {QStringLiteral("Label%1").arg(k <= 6 ? k : k + 1), label,
                         QStringLiteral("(%1)").arg(k), k <= 11 ? 0 : 1320, top,
                         labelSize[k - 1][0], labelSize[k - 1][1]});
        }
    }
    row("Form3", {"Command1", button, "(&R)再計算", 2640, 360, 1335, 495});
    row("Form3", {"Command3", button, "(&M)儲け額表示", 2640, 960, 1335, 495});
    row("Form3", {"Command2", button, "(&E)End", 2640, 1560, 1335, 495});
    row("Form3", {"Text21", box, "Text21", 2640, 4920, 855, 375});
    row("Form3", {"Label7", label, "投資合計金額", 1440, 5040, 1215, 255});
    row("Form5", {"Command1", button, "(&R)再計算", 2640, 120, 1335, 495});
    row("Form5", {"Command2", button, "(&E)End", 2640, 720, 1335, 495});
}

void LayoutTest::controls() {
    QFETCH(QString, window);
    QFETCH(Expected, expected);
    Harness harness;
    QWidget* form = Window(*harness.navigator, window);
    QWidget* control = Child(form, qPrintable(expected.name));
    QCOMPARE(control->metaObject()->className(), expected.kind);
    QCOMPARE(TextOf(control), expected.text);
    QCOMPARE(control->geometry(), QRect(expected.left / 15, expected.top / 15, expected.width / 15,
                                        expected.height / 15));
    // Every control is shown with its window, except the main window's average field.
    QCOMPARE(control->isVisibleTo(form),
             expected.name != QLatin1String("Text1") || window != QLatin1String("Form1"));
    // A screen reader has a name to read for every control.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible && !accessible->text(QAccessible::Name).isEmpty());
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void LayoutTest::windows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<int>("controlCount");
    QTest::newRow("title") << "Form4" << QSize(239, 336) << 1;
    QTest::newRow("main") << "Form1" << QSize(347, 90) << 8;
    QTest::newRow("odds") << "Form2" << QSize(584, 174) << 42;
    QTest::newRow("stakes") << "Form3" << QSize(270, 374) << 45;
    QTest::newRow("profits") << "Form5" << QSize(270, 360) << 42;
}

void LayoutTest::windows() {
    QFETCH(QString, window);
    QFETCH(QSize, clientSize);
    QFETCH(int, controlCount);
    Harness harness;
    QWidget* form = Window(*harness.navigator, window);
    QCOMPARE(form->windowTitle(), window);
    QCOMPARE(form->objectName(), window);
    QCOMPARE(form->size(), clientSize);
    int controls = 0;
    for (QWidget* child : form->findChildren<QWidget*>())
        controls += child->objectName().contains(
            QRegularExpression(QStringLiteral("^(Text|Label|Command|Combo|Frame)\\d+$")));
    QCOMPARE(controls, controlCount);
}

void LayoutTest::tabOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("cycle"); // from the first focus on
    QTest::newRow("title") << "Form4" << QStringList{"Command1"};
    QTest::newRow("main") << "Form1" << QStringList{"Combo1",   "Command1", "Command2",
                                                    "Command3", "Text2",    "Text3"};
    QTest::newRow("odds, entry 20 first and backwards")
        << "Form2" << Range("Text", 21, 2) + QStringList{"Command1"};
    QTest::newRow("stakes") << "Form3" << Range("Text", 1, 21) + Names("Command", {1, 2, 3});
    QTest::newRow("profits") << "Form5" << Names("Command", {2, 1}) + Range("Text", 20, 1);
}

void LayoutTest::tabOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, cycle);
    Harness harness;
    QWidget* form = Window(*harness.navigator, window);
    harness.navigator->show(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget()->objectName(), cycle.front());
    QCOMPARE(FocusCycle(form), cycle);
    // Tab really walks that order, and comes round to the start.
    for (int i = 1; i <= cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i % cycle.size()]);
    }
}

void LayoutTest::accessibleNames() {
    Harness harness;
    const struct {
        const char* window;
        const char* control;
        QString name;
    } rows[] = {
        {"Form1", "Label1", "入力項目数"},      {"Form2", "Text4", "(3) の倍率"},
        {"Form2", "Text21", "(20) の倍率"},     {"Form3", "Text3", "(3) の賭け金"},
        {"Form3", "Text21", "投資合計金額"},    {"Form5", "Text3", "(3) の儲け額"},
        {"Form3", "Command3", "(M)儲け額表示"}, {"Form5", "Label8", "(7)"},
    };
    for (const auto& row : rows) {
        QWidget* control =
            Child(Window(*harness.navigator, QString::fromLatin1(row.window)), row.control);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), row.name);
    }
    // The count field is labelled by "入力項目数".
    QAccessibleInterface* combo =
        QAccessible::queryAccessibleInterface(Child(harness.navigator->form1(), "Combo1"));
    const auto labels = combo->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->text(QAccessible::Name), QStringLiteral("入力項目数"));
}

void LayoutTest::mainWindowDetails() {
    Harness harness;
    QWidget* form = harness.navigator->form1();
    auto* combo = Child<QComboBox>(form, "Combo1");
    QCOMPARE(combo->count(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(combo->itemText(i), QString::number(i + 1));
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    QCOMPARE(Child(form, "Text2")->palette().color(QPalette::Base), menu);
    QCOMPARE(Child(form, "Text3")->palette().color(QPalette::Base), menu);
}

} // namespace tenvo

QTEST_MAIN(tenvo::LayoutTest)
#include "layout_test.moc"
