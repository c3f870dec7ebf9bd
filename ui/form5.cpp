// SPDX-License-Identifier: MIT
// The profit window.
#include "ui/form5.h"

#include "core/calculation.h"
#include "ui/figure_box.h"

#include <QLineEdit>
#include <QPushButton>

namespace tenvo {
namespace {

// The boxes tab from entry 20 down, after the two buttons.
constexpr auto kControls = Joined(
    std::array<ControlRow, 2>{{
        {"Command1", ControlKind::PushButton, "(&R)再計算", 2640, 120, 1335, 495, 1},
        {"Command2", ControlKind::PushButton, "(&E)End", 2640, 720, 1335, 495, 0},
    }},
    EntryRows(0, {21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2},
              {27, 26, 25, 24, 23, 22, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}));

} // namespace

Form5::Form5(Navigator& navigator, Session& session)
    : FigureWindow(navigator, session, {"Form5", "儲け額", 4050, 5400}, kControls, "儲け額",
                   "この項目が当たったときの儲け") {
    Command2->setFocus();
    Form_Load();
}

void Form5::ShowResult(const PricedResult& result) {
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        QLineEdit* box = m_boxes[k];
        const bool losing = result.losing(static_cast<int>(k) + 1);
        // An entry whose win still loses money, seen without colour too: red and underlined.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, losing ? QColor(Qt::red).darker(120)
                                                : this->palette().color(QPalette::Text));
        box->setPalette(palette);
        ShowFigure(box, result.refusal ? QString() : QString::number(result.profits[k]));
        QFont font = box->font();
        font.setUnderline(losing);
        box->setFont(font);
        box->setAccessibleDescription(losing ? QStringLiteral("トリガミ：当たっても損をする")
                                             : QStringLiteral("この項目が当たったときの儲け"));
        if (losing)
            box->setToolTip(box->text() + QStringLiteral("\nトリガミ"));
    }
}

} // namespace tenvo
