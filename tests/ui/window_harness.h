// SPDX-License-Identifier: MIT
// A navigator whose messages and quitting are recorded instead of shown, and small helpers.
#pragma once

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>

namespace tenvo {

struct Harness {
    QStringList messages;
    int quits = 0;
    std::unique_ptr<Navigator> navigator = std::make_unique<Navigator>(
        [this] { ++quits; }, [this](QWidget*, const QString& text) { messages << text; });

    CalculationState& state() { return navigator->state(); }
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

} // namespace tenvo
