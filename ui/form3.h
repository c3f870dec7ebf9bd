// SPDX-License-Identifier: MIT
// Form3: the stake window, the amount for every entry and the total investment.
#pragma once

#include "ui/figure_window.h"

class QLineEdit;

namespace tenvo {

class Form3 : public FigureWindow {
public:
    Form3(Navigator& navigator, Session& session);

    void Command3_Click(); // "(&M)儲け額表示": the profit window

private:
    // Each entry's amount and the total investment.
    void ShowResult(const PricedResult& result) override;

    QPushButton* Command3 = nullptr;
    QLineEdit* Text21 = nullptr;
};

} // namespace tenvo
