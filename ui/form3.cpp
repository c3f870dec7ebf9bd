// SPDX-License-Identifier: MIT
// The stake window.
#include "ui/form3.h"

#include "core/calculation.h"
#include "core/session.h"
#include "ui/figure_box.h"
#include "ui/navigator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tenvo {
namespace {

// Entries 1 to 11 in the left column, 12 to 20 in the middle; Label7 captions the total. The
// spread's choice and amount stand in the right column under the buttons, the figures a bettor
// checks under the total, and the reason an amount cannot be spread at the foot.
constexpr auto kControls = Joined(
    Joined(std::array<ControlRow, 5>{{
               {"Command1", ControlKind::PushButton, "(&R)再計算", 2640, 360, 1335, 495, 27},
               {"Command3", ControlKind::PushButton, "(&M)儲け額表示", 2640, 960, 1335, 495, 30},
               {"Command2", ControlKind::PushButton, "(&E)End", 2640, 1560, 1335, 495, 28},
               {"Text21", ControlKind::TextBox, "Text21", 2640, 4920, 855, 375, 26},
               {"Label7", ControlKind::Label, "投資合計金額", 1440, 5040, 1215, 255, 29},
           }},
           std::array<ControlRow, 11>{{
               {"Label22", ControlKind::Label, "(&S)配分", 2640, 2160, 1335, 255, 50},
               {"Combo1", ControlKind::Choice, "", 2640, 2400, 1335, 375, 45},
               {"Label23", ControlKind::Label, "(&Y)金額（円）", 2640, 2880, 1335, 255, 51},
               {"Text22", ControlKind::TextBox, "", 2640, 3120, 1335, 375, 46},
               {"Label24", ControlKind::Label, "最低払戻額", 1440, 5520, 1215, 255, 52},
               {"Text23", ControlKind::TextBox, "", 2640, 5400, 855, 375, 47},
               {"Label25", ControlKind::Label, "合成オッズ", 1440, 6000, 1215, 255, 53},
               {"Text24", ControlKind::TextBox, "", 2640, 5880, 855, 375, 48},
               {"Label26", ControlKind::Label, "残り", 1440, 6480, 1215, 255, 54},
               {"Text25", ControlKind::TextBox, "", 2640, 6360, 855, 375, 49},
               {"Label27", ControlKind::Label, "", 120, 6840, 3810, 495, 55},
           }}),
    EntryRows(240, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
              {20, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44}));

// The choices, in the list's order: the stake table's own first, then each SpreadBy in its order.
constexpr const char* kChoices[] = {"標準", "予算", "払戻額", "儲け額"};

} // namespace

Form3::Form3(Navigator& navigator, Session& session)
    : FigureWindow(navigator, session, {"Form3", "賭け金", 4050, 7440}, kControls, "賭け金",
                   "この項目に賭ける金額") {
    Command3 = FindControl<QPushButton>(this, "Command3");
    Text21 = FindControl<QLineEdit>(this, "Text21");
    Combo1 = FindControl<QComboBox>(this, "Combo1");
    Text22 = FindControl<QLineEdit>(this, "Text22");
    Text23 = FindControl<QLineEdit>(this, "Text23");
    Text24 = FindControl<QLineEdit>(this, "Text24");
    Text25 = FindControl<QLineEdit>(this, "Text25");
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
        QLineEdit* box;
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
    Text22->setText(QString::fromStdString(m_session.amountText()));
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
    const auto figure = [priced](QLineEdit* box, const QString& text) {
        ShowFigure(box, priced ? text : QString());
    };
    figure(Text21, QString::number(result.total));
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        QLineEdit* box = m_boxes[k];
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
    ShowFigure(Text24, priced && result.combinedOddsHundredths
                           ? QString::fromStdString(DecimalText(*result.combinedOddsHundredths, 2))
                           : QString());
    ShowFigure(Text25, priced && result.spread && result.spread->by == SpreadBy::Budget
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
