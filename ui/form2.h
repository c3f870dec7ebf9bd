// SPDX-License-Identifier: MIT
// Form2: the odds window, twenty boxes and the calculate button.
#pragma once

#include "core/calculation_state.h"

#include "ui/control_table.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;

class Form2 : public QWidget {
public:
    explicit Form2(Navigator& navigator);

    void Command1_Click(); // "(&K)計算": evaluates the odds, then back to the main window

    // The box of entry k (1 to 20): Text2 for entry 1 up to Text21 for entry 20.
    QLineEdit* entryBox(int k) const { return m_entryBoxes[static_cast<std::size_t>(k - 1)]; }

    // Text of several values, one a line or separated by tabs (a column or row copied from a
    // web page or a spreadsheet), pasted into the box of entry k: fills that box and the next
    // ones, a value each, as it stands, up to entry 20. False for a single value, which the box
    // pastes as usual.
    bool PasteInto(int k, const QString& text);

protected:
    // Routes Paste, from the keyboard and from the boxes' menu, to PasteInto.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Navigator& m_navigator;
    QPushButton* Command1 = nullptr;
    EntryBoxes m_entryBoxes{};
};

} // namespace tenvo
