// SPDX-License-Identifier: MIT
// Creating controls from a layout table.
#include "ui/control_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <map>

namespace tenvo {
namespace {

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert); // Enter never adds an item
        combo->setEditText(text);
        return combo;
    }
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    }
    return nullptr;
}

} // namespace

void CreateControls(QWidget* window, std::span<const ControlRow> table) {
    std::map<int, QWidget*> byTabIndex;
    for (const ControlRow& row : table) {
        QWidget* parent = row.container ? FindControl<QWidget>(window, row.container) : window;
        QWidget* control = CreateControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width),
                             Pixels(row.height));
        byTabIndex[row.tabIndex] = control;
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

EntryBoxes FindEntryBoxes(QWidget* window, int firstNumber, const char* what) {
    EntryBoxes boxes{};
    for (int k = 1; k <= kEntryCount; ++k) {
        QLineEdit* box =
            window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(firstNumber + k - 1));
        box->setAccessibleName(QStringLiteral("(%1) の%2").arg(k).arg(QString::fromUtf8(what)));
        boxes[static_cast<std::size_t>(k - 1)] = box;
    }
    return boxes;
}

} // namespace tenvo
