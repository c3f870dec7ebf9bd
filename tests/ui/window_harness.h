// SPDX-License-Identifier: MIT
// A navigator whose messages and quitting are recorded instead of shown, and small helpers.
#pragma once

#include "core/session.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>

namespace tenvo {

struct Harness {
    QStringList messages;
    int quits = 0;
    Session session;
    std::unique_ptr<Navigator> navigator = std::make_unique<Navigator>(
        session, [this] { ++quits; }, [this](QWidget*, const QString& text) { messages << text; });

    const CalculationState& state() const { return session.state(); }
};

template <class Control = QWidget> Control* Child(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return control;
}

// Replaces a box's text key by key, full-width characters included.
inline void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The texts of boxes Text<first> to Text<last> of a window.
inline QStringList BoxTexts(QWidget* window, int first, int last) {
    QStringList texts;
    for (int i = first; i <= last; ++i)
        texts << Child<QLineEdit>(window, qPrintable(QStringLiteral("Text%1").arg(i)))->text();
    return texts;
}

// A window of the navigator by name, "Form1" to "Form5".
inline FormId Id(const QString& name) { return FormId(name.back().digitValue() - 1); }

// A window of the navigator by name; loads it when it is not.
inline QWidget* Window(Navigator& n, const QString& name) { return n.window(Id(name)); }

// The object names of the visible top-level windows, sorted.
inline QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName().startsWith(QLatin1String("Form")))
            names << window->objectName();
    names.sort();
    return names;
}

inline void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

// The controls of a window whose text has no room in them in the font they are drawn in: a
// caption or label wider or higher than its control, a line of a box's text higher than it.
inline QStringList CutCaptions(QWidget* window) {
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QFontMetrics metrics(control->font());
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
            needed = label->sizeHint();
        else if (auto* button = qobject_cast<QPushButton*>(control))
            needed = metrics.size(Qt::TextShowMnemonic, button->text()) + QSize(4, 4);
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            needed = QSize(metrics.horizontalAdvance(frame->title()) + 8, 0);
        else if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control))
            needed = QSize(0, metrics.height());
        if (control->isVisibleTo(window) &&
            (needed.width() > control->width() || needed.height() > control->height()))
            cut << control->objectName();
    }
    return cut;
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
    void type(const QStringList& texts) {
        for (int k = 1; k <= texts.size(); ++k)
            Type(n.form2()->entryBox(k), texts[k - 1]);
    }
    void odds(const QStringList& texts) {
        type(texts);
        Click(n.form2(), "Command1");
    }
    void result() { Click(n.form1(), "Command1"); }
};

// One step of a user, as a short script: "count 5" types the count, "odds 3 4 7" types entries
// 1 onwards, "box 4 abc" types entry 4, "N", "calc", "result", "profits" and "recalc" (in the
// stake or profit window on screen) press those buttons, "close odds" uses the odds window's
// close box, "spread 1" picks the stake window's spread by its place in the list (0: the stake
// table's own) and "amount 10000" types its amount.
inline void Act(Road& road, const QString& step) {
    const QStringList words = step.split(QLatin1Char(' '));
    const QString& verb = words.front();
    if (verb == QLatin1String("count")) // the rest of the line as it stands, blanks too
        Type(Child<QComboBox>(road.n.form1(), "Combo1")->lineEdit(), step.mid(6));
    else if (verb == QLatin1String("odds"))
        road.type(words.mid(1));
    else if (verb == QLatin1String("box"))
        Type(road.n.form2()->entryBox(words[1].toInt()), step.mid(5 + words[1].size()));
    else if (verb == QLatin1String("N"))
        Click(road.n.form1(), "Command3");
    else if (verb == QLatin1String("calc"))
        Click(road.n.form2(), "Command1");
    else if (verb == QLatin1String("result"))
        road.result();
    else if (verb == QLatin1String("profits"))
        Click(road.n.form3(), "Command3");
    else if (verb == QLatin1String("close"))
        road.n.form2()->close();
    else if (verb == QLatin1String("spread")) // the choice's place in the list
        Child<QComboBox>(road.n.form3(), "Combo1")->setCurrentIndex(words[1].toInt());
    else if (verb == QLatin1String("amount"))
        Type(Child<QLineEdit>(road.n.form3(), "Text22"), step.mid(7));
    else if (verb == QLatin1String("recalc"))
        Click(road.n.form3()->isVisible() ? static_cast<QWidget*>(road.n.form3()) : road.n.form5(),
              "Command1");
    else
        qFatal("no step %s", qPrintable(step));
}

enum Stage { Title, Main, Odds, Evaluated, Stakes, Profits };

inline void Reach(Road& road, Stage stage, const QString& count = QStringLiteral("3"),
                  const QStringList& odds = {"3", "4", "7"}) {
    if (stage == Title) {
        road.n.start();
        return;
    }
    road.toMain();
    if (stage >= Odds)
        road.count(count);
    if (stage >= Evaluated)
        road.odds(odds);
    if (stage >= Stakes)
        road.result();
    if (stage >= Profits)
        Click(road.n.form3(), "Command3");
}

} // namespace tenvo
