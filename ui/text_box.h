// SPDX-License-Identifier: MIT
// TextBox: what a box of Tenvo's windows does beyond Qt's own line edit, in one place: its keys,
// typing over, paste, fitting its figure and taking the focus.
#pragma once

#include <QLineEdit>
#include <QStringList>

namespace tenvo {

// Text pasted into a box, split as bettors copy odds: a column or a row of values.
struct PastedText {
    enum class Kind {
        Plain,  // no line break and no tab: pasted as the box pastes any text
        Values, // a column or a row: one value a box, as it stands
        Table,  // several lines of several cells: refused
    };
    Kind kind = Kind::Plain;
    QStringList values; // for Values: blank lines and cells of white space left out
};

// Splits text at line breaks (LF, CRLF or CR) and tabs.
PastedText SplitPastedText(const QString& text);

// The smallest point size a figure is drawn in to make it fit its box.
inline constexpr double kFigureFloorPointSize = 6.0;

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    // A window that takes several values pasted into one of its boxes at once (a column or a row
    // copied from a web page or a spreadsheet), and the undo of such a paste.
    class SeveralValues {
    public:
        virtual void paste(TextBox* box, const PastedText& pasted) = 0;
        virtual bool canUndo(const TextBox* box) const = 0;
        virtual void undo(TextBox* box) = 0;

    protected:
        ~SeveralValues() = default;
    };

    TextBox(const QString& text, QWidget* parent);

    // The program hands the box the keyboard focus: its text is selected, shown from its first
    // character, to be typed over until the user types or clicks into it, however often the
    // window manager moves the focus while the window comes up.
    void takeFocus();

    // A text the program puts into the box, shown as fitText shows it unless the user is
    // editing the box.
    void showText(const QString& text);

    // Shows the text from its first character. A text too wide for the box is drawn in a
    // smaller size of the window's font, down to kFigureFloorPointSize, so that every character
    // stays inside the box; the text and what assistive technologies read stay exact, and the
    // tooltip repeats it in full. An editable box is edited in the usual size again.
    void fitText();

    // Pastes from the keyboard, the box's menu and the middle button: a text of one value with
    // line breaks around it types that value; several values go to `window`, and the undo of
    // the paste too; any other text is pasted as Qt pastes it.
    void takeSeveralValues(SeveralValues* window) { m_severalValues = window; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pasteValues(const QString& text); // false: paste as Qt does
    void showMenu(const QPoint& at);
    void selectFromTheStart();

    bool m_typeOver = false;
    bool m_fitted = false; // its text shown fitted whenever the user is not editing it
    SeveralValues* m_severalValues = nullptr;
};

// The box a control types into: a box itself, or an editable list's; null for any other.
TextBox* BoxOf(QWidget* control);

} // namespace tenvo
