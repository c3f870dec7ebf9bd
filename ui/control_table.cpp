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

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
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

void CreateControls(QWidget* window, std::span<const ControlSpec> table) {
    std::map<int, QWidget*> byTabIndex;
    for (const ControlSpec& spec : table) {
        QWidget* parent = spec.container ? FindControl<QWidget>(window, spec.container) : window;
        QWidget* control = CreateControl(spec, parent);
        control->setObjectName(QString::fromLatin1(spec.name));
        control->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width),
                             Pixels(spec.height));
        byTabIndex[spec.tabIndex] = control;
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

} // namespace tenvo

namespace tenvo {

void NameEntryBoxes(std::span<QLineEdit* const> boxes, const char* what) {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setAccessibleName(
            QStringLiteral("(%1) の%2").arg(i + 1).arg(QString::fromUtf8(what)));
}

void SetUpWindow(QWidget* window, const char* title, int width, int height, bool keepOnClose) {
    window->setWindowTitle(QString::fromUtf8(title));
    window->resize(Pixels(width), Pixels(height));
    window->setAttribute(Qt::WA_DeleteOnClose, !keepOnClose);
}

} // namespace tenvo
