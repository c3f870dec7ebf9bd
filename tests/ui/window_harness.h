// A navigator whose messages and quitting are recorded instead of shown, and small helpers.
#pragma once

#include "ui/navigator.h"

#include <QApplication>
#include <QStringList>
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
