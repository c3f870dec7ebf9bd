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
#include <QScopeGuard>
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

// Says which row of a table a failing check was in.
inline auto InRow(const char* name) {
    return qScopeGuard([name] {
        if (QTest::currentTestFailed())
            qWarning("in row \"%s\"", name);
    });
}

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

enum Stage { Title, Main, Odds, Evaluated, Stakes, Profits };

// Takes the road to a stage: a count of 3 and odds 3, 4 and 7 unless told otherwise.
inline void Reach(Harness& h, Stage stage, const QString& count = QStringLiteral("3"),
                  const QStringList& odds = {"3", "4", "7"}) {
    Road road{h};
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
