// SPDX-License-Identifier: MIT
// What a box does with keys, the focus, paste and its figure.
#include "ui/text_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace tenvo {
namespace {

// The width of the line a line edit lays its text out in: the style's contents rectangle, less
// the text margins and the two pixels QLineEdit keeps clear on each side.
int LineWidth(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.width() - box->textMargins().left() - box->textMargins().right() - 4;
}

// QLineEdit's own test of a text that needs no scrolling: its width, rounded to pixels, and a
// pixel for the cursor fit in the line.
bool Fits(const QString& text, const QFont& font, int line) {
    return qRound(QFontMetricsF(font).horizontalAdvance(text)) + 1 <= line;
}

} // namespace

PastedText SplitPastedText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\n|\\r"));
    if (!text.contains(lineBreak) && !text.contains(QLatin1Char('\t')))
        return {};
    PastedText pasted{PastedText::Kind::Values, {}};
    int lines = 0;
    bool cells = false; // some line holds more than one value
    for (const QString& line : text.split(lineBreak)) {
        QStringList row;
        for (const QString& cell : line.split(QLatin1Char('\t')))
            if (!cell.trimmed().isEmpty())
                row << cell;
        lines += !row.isEmpty();
        cells |= row.size() > 1;
        pasted.values << row;
    }
    if (lines > 1 && cells)
        return {PastedText::Kind::Table, {}};
    return pasted;
}

TextBox::TextBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {}

TextBox* BoxOf(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return qobject_cast<TextBox*>(combo->lineEdit());
    return qobject_cast<TextBox*>(control);
}

void TextBox::takeFocus() {
    m_typeOver = true;
    setFocus(Qt::OtherFocusReason);
    selectFromTheStart();
}

void TextBox::selectFromTheStart() {
    setSelection(static_cast<int>(text().size()), -static_cast<int>(text().size()));
}

void TextBox::showText(const QString& text) {
    setText(text);
    m_fitted = true;
    if (isReadOnly() || !hasFocus())
        fitText();
}

void TextBox::fitText() {
    m_fitted = true;
    const QString shown = text();
    QFont font = parentWidget() ? parentWidget()->font() : QApplication::font();
    const int line = LineWidth(this);
    for (double size = font.pointSizeF();
         size > kFigureFloorPointSize && !Fits(shown, font, line);) {
        size = std::max(kFigureFloorPointSize, size - 0.5);
        font.setPointSizeF(size);
    }
    setFont(font);
    setCursorPosition(0);
    setToolTip(shown);
}

bool TextBox::pasteValues(const QString& text) {
    if (isReadOnly())
        return false;
    const PastedText pasted = SplitPastedText(text);
    if (pasted.kind == PastedText::Kind::Values && pasted.values.size() == 1) {
        insert(pasted.values.front()); // one value with a line break around it: typed in
        return true;
    }
    if (pasted.kind == PastedText::Kind::Plain || !m_severalValues)
        return false;
    m_severalValues->paste(this, pasted);
    return true;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // Alt with a key that is no access key of the window would type the key's letter: Qt has
    // pressed the access keys' buttons before a box sees them. Ctrl+Alt is AltGr on some
    // keyboards, and types what it shows.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
        !event->text().isEmpty() && event->text().front().isPrint())
        return;
    m_typeOver = false;
    if (event->matches(QKeySequence::Paste) && pasteValues(QGuiApplication::clipboard()->text()))
        return;
    if (event->matches(QKeySequence::Undo) && m_severalValues && m_severalValues->canUndo(this)) {
        m_severalValues->undo(this);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    m_typeOver = false;
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X selection.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        pasteValues(QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return;
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) { showMenu(event->globalPos()); }

// The box's own menu with its Paste and Undo taken over. Qt names no action; each is the one
// that shows its shortcut.
void TextBox::showMenu(const QPoint& at) {
    QMenu* menu = createStandardContextMenu();
    const auto shortcut = [](QKeySequence::StandardKey key) {
        return QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    };
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(shortcut(QKeySequence::Paste))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteValues(QGuiApplication::clipboard()->text()))
                    paste();
            });
        } else if (action->text().endsWith(shortcut(QKeySequence::Undo)) && m_severalValues &&
                   m_severalValues->canUndo(this)) {
            // The box's own undo has nothing to take back: the paste set its text anew.
            action->setEnabled(true);
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { m_severalValues->undo(this); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    if (m_fitted && !isReadOnly()) {
        // Edited in the usual size, scrolling as usual; every other box of the window is not
        // being edited, whichever way the focus left it, also while the window was in the
        // background.
        setFont(QFont());
        for (TextBox* other : window()->findChildren<TextBox*>())
            if (other != this && other->m_fitted && !other->isReadOnly())
                other->fitText();
    }
    QLineEdit::focusInEvent(event);
    if (m_typeOver)
        selectFromTheStart();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or a menu taking the focus leaves the box in the middle of its edit.
    if (const Qt::FocusReason reason = event->reason(); m_fitted && !isReadOnly() &&
                                                        reason != Qt::ActiveWindowFocusReason &&
                                                        reason != Qt::PopupFocusReason)
        fitText();
}

} // namespace tenvo
