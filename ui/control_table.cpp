// SPDX-License-Identifier: MIT
// Creating controls from a layout table.
#include "ui/control_table.h"

#include "ui/set_up_window.h"
#include "ui/text_box.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace tenvo {
namespace {

// The arrow keys and the wheel step an editable list from the item typed into it, when the text
// typed is one of its items; the list itself steps from the item last picked.
class ListKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (event->type() == QEvent::Wheel || key == Qt::Key_Up || key == Qt::Key_Down ||
            key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            auto* combo = static_cast<QComboBox*>(watched);
            const int typed = combo->findText(combo->currentText(), Qt::MatchExactly);
            if (typed >= 0 && typed != combo->currentIndex())
                combo->setCurrentIndex(typed);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Enter presses the button that has the focus, as Space does; a button never becomes a default
// button, so Enter in a box presses nothing. An access key presses its button at once: Qt would
// show the press for a tenth of a second first, and keys typed meanwhile would still reach a
// window the button is about to hide.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled())
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Shortcut) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) || key->isAutoRepeat())
            return QObject::eventFilter(watched, event);
        button->click();
        return true;
    }
};

// The room a row's text needs in `font`, in pixels; nothing where it has none.
QSizeF Needed(const ControlRow& row, const QFontMetricsF& metrics) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::PushButton: { // the caption, and a little room around it
        const QSizeF caption = metrics.size(Qt::TextShowMnemonic, text);
        return {caption.width() + 6, caption.height() + 6};
    }
    case ControlKind::Label:
        return text.isEmpty() ? QSizeF() : metrics.size(Qt::TextShowMnemonic, text);
    case ControlKind::Frame:
        return {metrics.horizontalAdvance(text) + 16, metrics.lineSpacing()};
    case ControlKind::TextBox: // a line of text, and a frame around it if it has one
        return {0, metrics.lineSpacing() + 2};
    case ControlKind::ComboBox:
    case ControlKind::Choice:
        return {0, metrics.lineSpacing() + 4};
    }
    return {};
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::TextBox:
        return new TextBox(text, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setLineEdit(new TextBox(QString(), combo));
        combo->setInsertPolicy(QComboBox::NoInsert); // Enter never adds an item
        combo->setEditText(text);
        return combo;
    }
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::Choice:
        return new QComboBox(parent);
    }
    return nullptr;
}

} // namespace

int Pixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / 15)); }

double LayoutScale(const QFont& font, std::span<const ControlRow> table) {
    const QFontMetricsF metrics(font);
    double scale = 1;
    for (const ControlRow& row : table) {
        const QSizeF needed = Needed(row, metrics); // in whole pixels, as Qt lays text out
        scale = std::max({scale, std::ceil(needed.width()) * 15 / row.width,
                          std::ceil(needed.height()) * 15 / row.height});
    }
    return scale;
}

void CreateControls(QWidget* window, std::span<const ControlRow> table) {
    const double scale = LayoutScale(window->font(), table);
    if (const QSize twips = WindowTwips(window); twips.isValid()) {
        const QSize size(Pixels(twips.width(), scale), Pixels(twips.height(), scale));
        window->setMinimumSize(size); // smaller, it would hide its own controls
        window->resize(size);
    }
    std::map<int, QWidget*> byTabIndex;
    auto* listKeys = new ListKeys(window);
    auto* buttonKeys = new ButtonKeys(window);
    for (const ControlRow& row : table) {
        QWidget* parent = row.container ? FindControl<QWidget>(window, row.container) : window;
        QWidget* control = CreateControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(Pixels(row.left, scale), Pixels(row.top, scale),
                             Pixels(row.width, scale), Pixels(row.height, scale));
        if (row.kind == ControlKind::PushButton)
            control->installEventFilter(buttonKeys);
        byTabIndex[row.tabIndex] = control;
        if (row.kind == ControlKind::ComboBox)
            control->installEventFilter(listKeys);
        // A caption that reaches into a box lies under it: a click there is the box's.
        if (row.kind == ControlKind::Label)
            control->lower();
    }
    QWidget* previous = nullptr;
    for (const auto& [index, control] : byTabIndex) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

EntryBoxes FindEntryBoxes(QWidget* window, int firstNumber, const char* what,
                          const char* description) {
    EntryBoxes boxes{};
    for (int k = 1; k <= kEntryCount; ++k) {
        TextBox* box =
            window->findChild<TextBox*>(QStringLiteral("Text%1").arg(firstNumber + k - 1));
        box->setAccessibleName(QStringLiteral("(%1) の%2").arg(k).arg(QString::fromUtf8(what)));
        box->setAccessibleDescription(QString::fromUtf8(description));
        boxes[static_cast<std::size_t>(k - 1)] = box;
    }
    return boxes;
}

} // namespace tenvo
