// SPDX-License-Identifier: MIT
// Form3: the stake window, the amount for every entry and the total investment.
#pragma once

#include "core/profit_table.h"

#include "ui/control_table.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;
struct StakeTable;

class Form3 : public QWidget {
public:
    explicit Form3(Navigator& navigator);

    // Shows a freshly priced table, and keeps the profits that belong to it for the profit
    // button.
    void ShowTable(const StakeTable& table, const ProfitTable& profits);

    void Command1_Click(); // "(&R)再計算": back to the odds window
    void Command2_Click(); // "(&E)End"
    void Command3_Click(); // "(&M)儲け額表示": the profit window

private:
    Navigator& m_navigator;
    ProfitTable m_profits{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text21 = nullptr;
    EntryBoxes m_amountBoxes{}; // Text1 to Text20
};

} // namespace tenvo
