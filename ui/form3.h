// SPDX-License-Identifier: MIT
// Form3: the stake window, the amount for every entry and the total investment.
#pragma once

#include "ui/control_table.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;
struct PricedResult;

class Form3 : public QWidget {
public:
    explicit Form3(Navigator& navigator);

    void Form_Load(); // shows the navigator's table, when there is one
    // Writes each entry's amount and the total investment of a priced result into the boxes.
    void ShowTable(const PricedResult& result);

    void Command1_Click(); // "(&R)再計算": back to the odds window
    void Command2_Click(); // "(&E)End"
    void Command3_Click(); // "(&M)儲け額表示": the profit window

private:
    Navigator& m_navigator;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text21 = nullptr;
    EntryBoxes m_amountBoxes{}; // Text1 to Text20
};

} // namespace tenvo
