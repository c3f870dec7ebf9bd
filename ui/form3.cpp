// SPDX-License-Identifier: MIT
// The stake window.
#include "ui/form3.h"

#include "core/calculation.h"
#include "core/session.h"
#include "ui/navigator.h"
#include "ui/text_box.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tenvo {
namespace {

// Entries 1 to 11 in the left column, 12 to 20 in the middle; there is no Label7: from entry
// 7 on, entry k's caption is Label(k + 1), and Label7 captions the total. The spread's choice
// and amount stand in the right column under the buttons, the figures a bettor checks under the
// total, and the reason an amount cannot be spread at the foot.
constexpr ControlRow kControls[] = {
    {"Command1", Button, "(&R)再計算", 2640, 360, 1335, 495, 27},
    {"Command3", Button, "(&M)儲け額表示", 2640, 960, 1335, 495, 30},
    {"Command2", Button, "(&E)End", 2640, 1560, 1335, 495, 28},
    {"Text21", Box, "Text21", 2640, 4920, 855, 375, 26},
    {"Label7", Caption, "投資合計金額", 1440, 5040, 1215, 255, 29},
    {"Label22", Caption, "(&S)配分", 2640, 2160, 1335, 255, 50},
    {"Combo1", ControlKind::Choice, "", 2640, 2400, 1335, 375, 45},
    {"Label23", Caption, "(&Y)金額（円）", 2640, 2880, 1335, 255, 51},
    {"Text22", Box, "", 2640, 3120, 1335, 375, 46},
    {"Label24", Caption, "最低払戻額", 1440, 5520, 1215, 255, 52},
    {"Text23", Box, "", 2640, 5400, 855, 375, 47},
    {"Label25", Caption, "合成オッズ", 1440, 6000, 1215, 255, 53},
    {"Text24", Box, "", 2640, 5880, 855, 375, 48},
    {"Label26", Caption, "残り", 1440, 6480, 1215, 255, 54},
    {"Text25", Box, "", 2640, 6360, 855, 375, 49},
    {"Label27", Caption, "", 120, 6840, 3810, 495, 55},
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
    {"Label1", Caption, "(1)", 0, 240, 375, 375, 20},
    {"Label2", Caption, "(2)", 0, 720, 375, 375, 21},
    {"Label3", Caption, "(3)", 0, 1200, 255, 375, 22},
    {"Label4", Caption, "(4)", 0, 1680, 255, 255, 23},
    {"Label5", Caption, "(5)", 0, 2160, 255, 255, 24},
    {"Label6", Caption, "(6)", 0, 2640, 375, 255, 25},
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

// The choices, in the list's order: the stake table's own first, then each SpreadBy in its order.
constexpr const char* kChoices[] = {"標準", "予算", "払戻額", "儲け額"};

} // namespace

Form3::Form3(Navigator& navigator, Session& session)
    : FigureWindow(navigator, session, {"Form3", "賭け金", 4050, 7440}, kControls, "賭け金",
                   "この項目に賭ける金額") {
    Command3 = FindControl<QPushButton>(this, "Command3");
    Text21 = FindControl<TextBox>(this, "Text21");
    Combo1 = FindControl<QComboBox>(this, "Combo1");
    Text22 = FindControl<TextBox>(this, "Text22");
    Text23 = FindControl<TextBox>(this, "Text23");
    Text24 = FindControl<TextBox>(this, "Text24");
    Text25 = FindControl<TextBox>(this, "Text25");
    Label27 = FindControl<QLabel>(this, "Label27");
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    Text21->setAccessibleName(QStringLiteral("投資合計金額"));
    Text21->setAccessibleDescription(QStringLiteral("賭け金の合計"));
    for (const char* choice : kChoices)
        Combo1->addItem(QString::fromUtf8(choice));
    Combo1->setAccessibleName(QStringLiteral("配分"));
    Combo1->setAccessibleDescription(QStringLiteral("標準は最も高い倍率の項目に 1000 円"));
    Combo1->setItemData(0, QStringLiteral("最も高い倍率の項目に 1000 円、ほかはそれに合わせる"),
                        Qt::ToolTipRole);
    Text22->setAccessibleName(QStringLiteral("金額"));
    Text22->setAccessibleDescription(QStringLiteral("配分する金額（円）"));
    FindControl<QLabel>(this, "Label22")->setBuddy(Combo1);
    FindControl<QLabel>(this, "Label23")->setBuddy(Text22);
    const struct {
        TextBox* box;
        const char* name;
        const char* description;
    } figures[] = {{Text23, "最低払戻額", "どの項目が当たっても戻る最低の金額"},
                   {Text24, "合成オッズ", "最低払戻額を投資合計金額で割った倍率"},
                   {Text25, "残り", "予算のうち賭けずに残る金額"}};
    Text21->setReadOnly(true);
    for (const auto& figure : figures) {
        figure.box->setReadOnly(true);
        figure.box->setAccessibleName(QString::fromUtf8(figure.name));
        figure.box->setAccessibleDescription(QString::fromUtf8(figure.description));
    }
    Label27->setWordWrap(true);
    Label27->setAccessibleName(QStringLiteral("配分できない理由"));
    m_announcer = CreateAnnouncer(this);
    // The spread chosen before, in a window made anew after its close box, too.
    const std::optional<SpreadBy>& chosen = m_session.spreadChoice();
    Combo1->setCurrentIndex(chosen ? static_cast<int>(*chosen) + 1 : 0);
    Text22->showText(QString::fromStdString(m_session.amountText()));
    Text22->setEnabled(chosen.has_value());
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form3::Combo1_Click);
    connect(Text22, &QLineEdit::textChanged, this, &Form3::Text22_Change);
    m_boxes.front()->setFocus();
    Form_Load();
}

void Form3::Combo1_Click() {
    const int index = Combo1->currentIndex();
    Text22->setEnabled(index > 0);
    m_session.chooseSpread(index > 0 ? std::optional(SpreadBy(index - 1)) : std::nullopt);
}

void Form3::Text22_Change() { m_session.typeAmount(Text22->text().toStdString()); }

void Form3::ShowResult(const PricedResult& result) {
    const bool priced = !result.refusal;
    const auto figure = [priced](TextBox* box, const QString& text) {
        box->showText(priced ? text : QString());
    };
    figure(Text21, QString::number(result.total));
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        TextBox* box = m_boxes[k];
        figure(box, QString::number(result.amounts[k]));
        // What the stake pays back if the entry wins, and how low its odds may fall.
        QString checks;
        if (priced && result.breakEvenTenths[k])
            checks = QStringLiteral("払戻額 %1、損益分岐 %2")
                         .arg(result.payouts[k])
                         .arg(QString::fromStdString(DecimalText(*result.breakEvenTenths[k], 1)));
        box->setAccessibleDescription(checks.isEmpty()
                                          ? QStringLiteral("この項目に賭ける金額")
                                          : QStringLiteral("この項目に賭ける金額。") + checks);
        if (!checks.isEmpty())
            box->setToolTip(box->text() + QLatin1Char('\n') + checks);
    }
    figure(Text23, QString::number(result.guaranteedPayout));
    Text24->showText(priced && result.combinedOddsHundredths
                         ? QString::fromStdString(DecimalText(*result.combinedOddsHundredths, 2))
                         : QString());
    Text25->showText(priced && result.spread && result.spread->by == SpreadBy::Budget
                         ? QString::number(result.unspent)
                         : QString());
    const QString why = priced ? QString() : QString::fromStdString(result.refusal->message);
    if (Label27->text() != why) {
        Label27->setText(why);
        Announce(m_announcer, why);
    }
}

void Form3::Command3_Click() {
    m_navigator.show(FormId::Form5);
    m_navigator.hide(this);
}

} // namespace tenvo
