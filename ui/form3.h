// SPDX-License-Identifier: MIT
// Form3: the stake window, the amount for every entry and the total investment, spread as the
// bettor chooses, with what a bettor checks before paying.
#pragma once

#include "ui/figure_window.h"

class QComboBox;
class QLabel;

namespace tenvo {

class Form3 : public FigureWindow {
public:
    Form3(Navigator& navigator, Session& session);

    void Command3_Click(); // "(&M)儲け額表示": the profit window
    void Combo1_Click();   // a spread chosen: handed to the session, which prices it at once
    void Text22_Change();  // the amount typed: likewise

private:
    // Each entry's amount, the total investment, and the figures a bettor checks; nothing but
    // the reason when the amount cannot be spread.
    void ShowResult(const PricedResult& result) override;

    QPushButton* Command3 = nullptr;
    TextBox* Text21 = nullptr;   // the total
    QComboBox* Combo1 = nullptr; // the spread: 1000 on the longest odds, 予算, 払戻額, 儲け額
    TextBox* Text22 = nullptr;   // the amount to spread, in yen
    TextBox* Text23 = nullptr;   // the guaranteed payout (最低払戻額)
    TextBox* Text24 = nullptr;   // the combined odds (合成オッズ)
    TextBox* Text25 = nullptr;   // what a budget leaves (残り)
    QLabel* Label27 = nullptr;   // why an amount cannot be spread
    QWidget* m_announcer = nullptr;
};

} // namespace tenvo
