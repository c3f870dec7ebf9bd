// SPDX-License-Identifier: MIT
// The stake window.
#include "ui/form3.h"

#include "core/calculation.h"
#include "ui/control_table.h"
#include "ui/figure_box.h"
#include "ui/navigator.h"
#include "ui/set_up_window.h"

#include <QLineEdit>
#include <QPushButton>

namespace tenvo {
namespace {

constexpr ControlKind Box = ControlKind::TextBox;
constexpr ControlKind Caption = ControlKind::Label;
constexpr ControlKind Button = ControlKind::PushButton;

// Entries 1 to 11 in the left column, 12 to 20 in the middle; Label7 captions the total.
constexpr ControlRow kControls[] = {
    {"Command1", Button, "(&R)再計算", 2640, 360, 1335, 495, 27},
    {"Command3", Button, "(&M)儲け額表示", 2640, 960, 1335, 495, 30},
    {"Command2", Button, "(&E)End", 2640, 1560, 1335, 495, 28},
    {"Text1", Box, "Text1", 360, 240, 855, 375, 0},
    {"Text2", Box, "Text2", 360, 720, 855, 375, 1},
    {"Text3", Box, "Text3", 360, 1200, 855, 375, 2},
    {"Text4", Box, "Text4", 360, 1680, 855, 375, 3},
    {"Text5", Box, "Text5", 360, 2160, 855, 375, 4},
    {"Text6", Box, "Text6", 360, 2640, 855, 375, 5},
    {"Text7", Box, "Text7", 360, 3120, 855, 375, 6},
    {"Text8", Box, "Text8", 360, 3600, 855, 375, 7},
    {"Text9", Box, "Text9", 360, 4080, 855, 375, 8},
    {"Text10", Box, "Text10", 360, 4560, 855, 375, 9},
    {"Text11", Box, "Text11", 360, 5040, 855, 375, 10},
    {"Text12", Box, "Text12", 1680, 240, 855, 375, 11},
    {"Text13", Box, "Text13", 1680, 720, 855, 375, 12},
    {"Text14", Box, "Text14", 1680, 1200, 855, 375, 13},
    {"Text15", Box, "Text15", 1680, 1680, 855, 375, 14},
    {"Text16", Box, "Text16", 1680, 2160, 855, 375, 15},
    {"Text17", Box, "Text17", 1680, 2640, 855, 375, 16},
    {"Text18", Box, "Text18", 1680, 3120, 855, 375, 17},
    {"Text19", Box, "Text19", 1680, 3600, 855, 375, 18},
    {"Text20", Box, "Text20", 1680, 4080, 855, 375, 19},
    {"Text21", Box, "Text21", 2640, 4920, 855, 375, 26},
    {"Label1", Caption, "(1)", 0, 240, 375, 375, 20},
    {"Label2", Caption, "(2)", 0, 720, 375, 375, 21},
    {"Label3", Caption, "(3)", 0, 1200, 255, 375, 22},
    {"Label4", Caption, "(4)", 0, 1680, 255, 255, 23},
    {"Label5", Caption, "(5)", 0, 2160, 255, 255, 24},
    {"Label6", Caption, "(6)", 0, 2640, 375, 255, 25},
    {"Label7", Caption, "投資合計金額", 1440, 5040, 1215, 255, 29},
    {"Label8", Caption, "(7)", 0, 3120, 255, 255, 31},
    {"Label9", Caption, "(8)", 0, 3600, 255, 255, 32},
    {"Label10", Caption, "(9)", 0, 4080, 255, 375, 33},
    {"Label11", Caption, "(10)", 0, 4560, 375, 255, 34},
    {"Label12", Caption, "(11)", 0, 5040, 375, 375, 35},
    {"Label13", Caption, "(12)", 1320, 240, 375, 255, 36},
    {"Label14", Caption, "(13)", 1320, 720, 375, 255, 37},
    {"Label15", Caption, "(14)", 1320, 1200, 375, 255, 38},
    {"Label16", Caption, "(15)", 1320, 1680, 375, 255, 39},
    {"Label17", Caption, "(16)", 1320, 2160, 375, 255, 40},
    {"Label18", Caption, "(17)", 1320, 2640, 375, 255, 41},
    {"Label19", Caption, "(18)", 1320, 3120, 375, 255, 42},
    {"Label20", Caption, "(19)", 1320, 3600, 375, 255, 43},
    {"Label21", Caption, "(20)", 1320, 4080, 375, 255, 44},
};

} // namespace

Form3::Form3(Navigator& navigator)
    : m_navigator(navigator) {
    setObjectName(QStringLiteral("Form3"));
    SetUpWindow(this, {"Form3", "賭け金", 4050, 5610});
    CreateControls(this, kControls);
    Command1 = FindControl<QPushButton>(this, "Command1");
    Command2 = FindControl<QPushButton>(this, "Command2");
    Command3 = FindControl<QPushButton>(this, "Command3");
    Text21 = FindControl<QLineEdit>(this, "Text21");
    m_amountBoxes = FindEntryBoxes(this, 1, "賭け金", "この項目に賭ける金額");
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    Text21->setAccessibleName(QStringLiteral("投資合計金額"));
    Text21->setAccessibleDescription(QStringLiteral("賭け金の合計"));
    m_amountBoxes.front()->setFocus();
    Form_Load();
}

void Form3::Form_Load() {
    if (const PricedResult* result = m_navigator.result())
        ShowTable(*result);
}

void Form3::ShowTable(const PricedResult& result) {
    ShowFigure(Text21, QString::fromStdString(ToText(result.stakes.TotalAmount)));
    for (std::size_t k = 0; k < m_amountBoxes.size(); ++k)
        ShowFigure(m_amountBoxes[k], QString::fromStdString(ToText(result.stakes.EntryAmounts[k])));
}

void Form3::Command1_Click() {
    m_navigator.show(FormId::Form2);
    m_navigator.hide(this);
}

void Form3::Command2_Click() { m_navigator.end(); }

void Form3::Command3_Click() {
    m_navigator.show(FormId::Form5);
    m_navigator.hide(this);
}

} // namespace tenvo
