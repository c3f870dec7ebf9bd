// SPDX-License-Identifier: MIT
// Form2: the odds window, twenty boxes and the calculate button.
#pragma once

#include "core/calculation_state.h"

#include "ui/control_table.h"
#include "ui/text_box.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QPushButton;

namespace tenvo {

class Navigator;
class Session;

class Form2 : public QWidget, private TextBox::SeveralValues {
public:
    Form2(Navigator& navigator, Session& session);

    void Command1_Click(); // "(&K)計算": evaluates the odds, then back to the main window

    // The box of entry k (1 to 20): Text2 for entry 1 up to Text21 for entry 20.
    TextBox* entryBox(int k) const { return m_entryBoxes[static_cast<std::size_t>(k - 1)]; }

private:
    // Several values pasted into the box of entry k fill that box and the next ones, a value
    // each as it stands, blank lines and cells passed over, up to entry 20, and a message says
    // how many did not fit. A table of several lines and columns is refused with a message,
    // and nothing changes. One undo in box k takes the whole paste back, unless a box it filled
    // has been edited since.
    void paste(TextBox* box, const PastedText& pasted) override;
    bool canUndo(const TextBox* box) const override;
    void undo(TextBox* box) override;

    // What a paste of several values changed, to be taken back by one undo in its first box.
    struct Paste {
        int first = 0;
        QStringList before; // the boxes' texts, entry `first` onwards
        QStringList after;
    };

    int entryOf(const TextBox* box) const;

    Navigator& m_navigator;
    Session& m_session;
    QPushButton* Command1 = nullptr;
    EntryBoxes m_entryBoxes{};
    std::optional<Paste> m_paste;
};

} // namespace tenvo
