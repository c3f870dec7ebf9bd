// SPDX-License-Identifier: MIT
// The stake window.
#include "ui/form3.h"

#include "core/calculation.h"
#include "ui/figure_box.h"
#include "ui/navigator.h"

#include <QLineEdit>
#include <QPushButton>

namespace tenvo {
namespace {

// Entries 1 to 11 in the left column, 12 to 20 in the middle; Label7 captions the total.
constexpr auto kControls = Joined(
    std::array<ControlRow, 5>{{
        {"Command1", ControlKind::PushButton, "(&R)再計算", 2640, 360, 1335, 495, 27},
        {"Command3", ControlKind::PushButton, "(&M)儲け額表示", 2640, 960, 1335, 495, 30},
        {"Command2", ControlKind::PushButton, "(&E)End", 2640, 1560, 1335, 495, 28},
        {"Text21", ControlKind::TextBox, "Text21", 2640, 4920, 855, 375, 26},
        {"Label7", ControlKind::Label, "投資合計金額", 1440, 5040, 1215, 255, 29},
    }},
    EntryRows(240, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
              {20, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44}));

} // namespace

Form3::Form3(Navigator& navigator, Session& session)
    : FigureWindow(navigator, session, {"Form3", "賭け金", 4050, 5610}, kControls, "賭け金",
                   "この項目に賭ける金額") {
    Command3 = FindControl<QPushButton>(this, "Command3");
    Text21 = FindControl<QLineEdit>(this, "Text21");
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    Text21->setAccessibleName(QStringLiteral("投資合計金額"));
    Text21->setAccessibleDescription(QStringLiteral("賭け金の合計"));
    m_boxes.front()->setFocus();
    Form_Load();
}

void Form3::ShowResult(const PricedResult& result) {
    ShowFigure(Text21, QString::number(result.total));
    for (std::size_t k = 0; k < m_boxes.size(); ++k)
        ShowFigure(m_boxes[k], QString::number(result.amounts[k]));
}

void Form3::Command3_Click() {
    m_navigator.show(FormId::Form5);
    m_navigator.hide(this);
}

} // namespace tenvo
