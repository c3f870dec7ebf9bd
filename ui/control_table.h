// SPDX-License-Identifier: MIT
// Windows laid out from tables: each row one control, placed in twips as the layout gives it.
#pragma once

#include "core/calculation_state.h"

#include <QString>
#include <QWidget>

#include <array>
#include <span>

class QFont;

namespace tenvo {

class TextBox;

// A ComboBox is editable, a field with a list; a Choice offers its list alone.
enum class ControlKind { PushButton, TextBox, Label, ComboBox, Frame, Choice };
inline constexpr ControlKind Button = ControlKind::PushButton;
inline constexpr ControlKind Box = ControlKind::TextBox;
inline constexpr ControlKind Caption = ControlKind::Label;

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* text; // caption, or the text a box holds when the window loads
    int left;         // twips, relative to the container's client area
    int top;
    int width;
    int height;
    int tabIndex;
    const char* container = nullptr; // a frame named earlier in the table; null: the window
};

// 15 twips make one pixel at 96 dots per inch; a layout drawn `scale` times as large.
constexpr int Pixels(int twips) { return (twips + 7) / 15; }
int Pixels(int twips, double scale);

// How many times larger than its twips a table is drawn so that every caption, label and box
// of it has room for its text in `font`: 1 at Qt's 9-point default, for which the layout is
// made, and more for a larger font, whether it comes from the desktop's theme, the font
// settings or the screen's dots per inch.
double LayoutScale(const QFont& font, std::span<const ControlRow> table);

// Creates every control of `table` as a child of `window` (or of its frame), with the row's
// name as objectName, text and geometry at the table's LayoutScale in the window's font, the
// window's own size scaled alike, then chains the focusable ones in tab-index order. Buttons
// are never default buttons, so Enter and Esc in a box press nothing, and Enter presses the
// button that has the focus, as Space does; captions lie under the boxes they reach into; Alt
// with a key that presses nothing types nothing.
void CreateControls(QWidget* window, std::span<const ControlRow> table);

using EntryBoxes = std::array<TextBox*, kEntryCount>;

// The twenty entry boxes of a window, entry 1 first, named "Text" and firstNumber onwards. Each
// gets the accessible name a screen reader should read, "(k) の" + what: "(3) の倍率", and a
// description of what its figure is, which a screen reader reads after the figure.
EntryBoxes FindEntryBoxes(QWidget* window, int firstNumber, const char* what,
                          const char* description);

// A control created from a table, by name.
template <class Control> Control* FindControl(QWidget* window, const char* name) {
    return window->findChild<Control*>(QString::fromLatin1(name));
}

} // namespace tenvo
