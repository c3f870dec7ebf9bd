// SPDX-License-Identifier: MIT
// Form2: the odds window, twenty boxes and the calculate button.
#pragma once

#include "core/calculation_state.h"

#include "ui/control_table.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;
class Session;

class Form2 : public QWidget {
public:
    Form2(Navigator& navigator, Session& session);

    void Command1_Click(); // "(&K)計算": evaluates the odds, then back to the main window

    // The box of entry k (1 to 20): Text2 for entry 1 up to Text21 for entry 20.
    QLineEdit* entryBox(int k) const { return m_entryBoxes[static_cast<std::size_t>(k - 1)]; }

    // Text of several values, one a line or separated by tabs (a column or a row copied from a
    // web page or a spreadsheet), pasted into the box of entry k: fills that box and the next
    // ones, a value each as it stands, blank lines and cells passed over, up to entry 20, and
    // says how many did not fit. A table of several lines and columns is refused with a
    // message, and nothing changes. One undo in box k takes the whole paste back. False for
    // text without a line break or tab, which the box pastes as usual.
    bool PasteInto(int k, const QString& text);

protected:
    // Pastes from the keyboard, the boxes' menu and the middle button go to PasteInto, and the
    // undo of a box pasted into takes back the whole paste. A box shows its whole text when it
    // is not being edited.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a paste of several values changed, to be taken back by one undo in its first box.
    struct Paste {
        int first = 0;
        QStringList before; // the boxes' texts, entry `first` onwards
        QStringList after;
    };

    bool UndoPaste(int k);
    void ShowMenu(QLineEdit* box, int k, const QPoint& at);

    Navigator& m_navigator;
    Session& m_session;
    QPushButton* Command1 = nullptr;
    EntryBoxes m_entryBoxes{};
    std::optional<Paste> m_paste;
};

} // namespace tenvo
