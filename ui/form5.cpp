// SPDX-License-Identifier: MIT
// The profit window.
#include "ui/form5.h"

#include "core/calculation.h"
#include "ui/text_box.h"

#include <QPushButton>

namespace tenvo {
namespace {

// Entries 1 to 11 in the left column, 12 to 20 in the right one, entry k's caption Label(k + 1)
// from entry 7 on; the boxes tab from entry 20 down, after the two buttons.
constexpr ControlRow kControls[] = {
    {"Command1", Button, "(&R)再計算", 2640, 120, 1335, 495, 1},
    {"Command2", Button, "(&E)End", 2640, 720, 1335, 495, 0},
    {"Text1", Box, "Text1", 360, 0, 855, 375, 21},
    {"Text2", Box, "Text2", 360, 480, 855, 375, 20},
    {"Text3", Box, "Text3", 360, 960, 855, 375, 19},
    {"Text4", Box, "Text4", 360, 1440, 855, 375, 18},
    {"Text5", Box, "Text5", 360, 1920, 855, 375, 17},
    {"Text6", Box, "Text6", 360, 2400, 855, 375, 16},
    {"Text7", Box, "Text7", 360, 2880, 855, 375, 15},
    {"Text8", Box, "Text8", 360, 3360, 855, 375, 14},
    {"Text9", Box, "Text9", 360, 3840, 855, 375, 13},
    {"Text10", Box, "Text10", 360, 4320, 855, 375, 12},
    {"Text11", Box, "Text11", 360, 4800, 855, 375, 11},
    {"Text12", Box, "Text12", 1680, 0, 855, 375, 10},
    {"Text13", Box, "Text13", 1680, 480, 855, 375, 9},
    {"Text14", Box, "Text14", 1680, 960, 855, 375, 8},
    {"Text15", Box, "Text15", 1680, 1440, 855, 375, 7},
    {"Text16", Box, "Text16", 1680, 1920, 855, 375, 6},
    {"Text17", Box, "Text17", 1680, 2400, 855, 375, 5},
    {"Text18", Box, "Text18", 1680, 2880, 855, 375, 4},
    {"Text19", Box, "Text19", 1680, 3360, 855, 375, 3},
    {"Text20", Box, "Text20", 1680, 3840, 855, 375, 2},
    {"Label1", Caption, "(1)", 0, 0, 375, 375, 27},
    {"Label2", Caption, "(2)", 0, 480, 375, 375, 26},
    {"Label3", Caption, "(3)", 0, 960, 255, 375, 25},
    {"Label4", Caption, "(4)", 0, 1440, 255, 255, 24},
    {"Label5", Caption, "(5)", 0, 1920, 255, 255, 23},
    {"Label6", Caption, "(6)", 0, 2400, 375, 255, 22},
    {"Label8", Caption, "(7)", 0, 2880, 255, 255, 28},
    {"Label9", Caption, "(8)", 0, 3360, 255, 255, 29},
    {"Label10", Caption, "(9)", 0, 3840, 255, 375, 30},
    {"Label11", Caption, "(10)", 0, 4320, 375, 255, 31},
    {"Label12", Caption, "(11)", 0, 4800, 375, 375, 32},
    {"Label13", Caption, "(12)", 1320, 0, 375, 255, 33},
    {"Label14", Caption, "(13)", 1320, 480, 375, 255, 34},
    {"Label15", Caption, "(14)", 1320, 960, 375, 255, 35},
    {"Label16", Caption, "(15)", 1320, 1440, 375, 255, 36},
    {"Label17", Caption, "(16)", 1320, 1920, 375, 255, 37},
    {"Label18", Caption, "(17)", 1320, 2400, 375, 255, 38},
    {"Label19", Caption, "(18)", 1320, 2880, 375, 255, 39},
    {"Label20", Caption, "(19)", 1320, 3360, 375, 255, 40},
    {"Label21", Caption, "(20)", 1320, 3840, 375, 255, 41},
};

} // namespace

Form5::Form5(Navigator& navigator, Session& session)
    : FigureWindow(navigator, session, {"Form5", "儲け額", 4050, 5400}, kControls, "儲け額",
                   "この項目が当たったときの儲け") {
    Command2->setFocus();
    Form_Load();
}

void Form5::ShowResult(const PricedResult& result) {
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        TextBox* box = m_boxes[k];
        const bool losing = result.losing(static_cast<int>(k) + 1);
        // An entry whose win still loses money, seen without colour too: red and underlined.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, losing ? QColor(Qt::red).darker(120)
                                                : this->palette().color(QPalette::Text));
        box->setPalette(palette);
        box->showText(result.refusal ? QString() : QString::number(result.profits[k]));
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
