// SPDX-License-Identifier: MIT
// Form5: the profit window, what each entry would bring in all if it won.
#pragma once

#include "ui/figure_window.h"

namespace tenvo {

class Form5 : public FigureWindow {
public:
    Form5(Navigator& navigator, Session& session);

private:
    // Each entry's profit.
    void ShowResult(const PricedResult& result) override;
};

} // namespace tenvo
