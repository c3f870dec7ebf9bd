// SPDX-License-Identifier: MIT
// Form5: the profit window, what each entry would bring in all if it won.
#pragma once

#include "ui/control_table.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;
struct PricedResult;

class Form5 : public QWidget {
public:
    explicit Form5(Navigator& navigator);

    void Form_Load(); // shows the navigator's table, when there is one
    // Writes each entry's profit of a priced result into the boxes.
    void ShowProfits(const PricedResult& result);

    void Command1_Click(); // "(&R)再計算": back to the odds window
    void Command2_Click(); // "(&E)End"

private:
    Navigator& m_navigator;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    EntryBoxes m_profitBoxes{}; // Text1 to Text20
};

} // namespace tenvo
