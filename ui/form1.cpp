// SPDX-License-Identifier: MIT
// The main window.
#include "ui/form1.h"

#include "core/item_count.h"
#include "ui/control_table.h"
#include "ui/navigator.h"
#include "ui/set_up_window.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tenvo {
namespace {

constexpr ControlRow kControls[] = {
    {"Combo1", ControlKind::ComboBox, "Combo1", 960, 720, 615, 300, 0},
    {"Command1", ControlKind::PushButton, "(&K)結果表示", 2760, 720, 1095, 495, 1},
    {"Command2", ControlKind::PushButton, "(&E)End", 3960, 720, 975, 495, 2},
    {"Command3", ControlKind::PushButton, "(&N)倍率入力", 1560, 720, 1095, 495, 3},
    {"Text2", ControlKind::TextBox, "", 840, 0, 2655, 255, 4},
    {"Text3", ControlKind::TextBox, "", 360, 240, 3615, 255, 5},
    {"Text1", ControlKind::TextBox, "Text1", 4200, 120, 975, 270, 6},
    {"Label1", ControlKind::Label, "入力項目数", 0, 720, 975, 255, 7},
};

// The message fields blend with the window: no frame, the platform's menu colour.
void PaintAsMenu(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    box->setPalette(palette);
    box->setFrame(false);
}

} // namespace

Form1::Form1(Navigator& navigator, Session& session)
    : m_navigator(navigator)
    , m_session(session) {
    setObjectName(QStringLiteral("Form1"));
    SetUpWindow(this, {"Form1", "入力項目数", 5205, 1350});
    CreateControls(this, kControls);
    Combo1 = FindControl<QComboBox>(this, "Combo1");
    Command1 = FindControl<QPushButton>(this, "Command1");
    Command2 = FindControl<QPushButton>(this, "Command2");
    Command3 = FindControl<QPushButton>(this, "Command3");
    Text1 = FindControl<QLineEdit>(this, "Text1");
    Text2 = FindControl<QLineEdit>(this, "Text2");
    Text3 = FindControl<QLineEdit>(this, "Text3");
    Text1->hide(); // receives the average text, never shown
    // A screen reader names the count field after its label.
    FindControl<QLabel>(this, "Label1")->setBuddy(Combo1);
    // On Linux Qt names an editable list by its text; its edit field, which has the focus, says
    // what the number is, so that a screen reader reads 入力項目数 and then the number.
    // Some styles (adwaita-qt among them) give a list's field margins wider than this small
    // field itself, and the count would not show at all: it keeps none.
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    Combo1->setAccessibleName(QStringLiteral("入力項目数"));
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("入力項目数"));
    Text1->setAccessibleName(QStringLiteral("平均倍率"));
    Text2->setAccessibleName(QStringLiteral("メッセージ 1"));
    Text3->setAccessibleName(QStringLiteral("メッセージ 2"));
    m_announcer = CreateAnnouncer(this);
    PaintAsMenu(Text2);
    PaintAsMenu(Text3);
    // The messages can be clicked into and copied, but Tab passes them by: a stop there shows
    // nothing but a caret in blank space.
    Text2->setFocusPolicy(Qt::ClickFocus);
    Text3->setFocusPolicy(Qt::ClickFocus);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Combo1, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_session.typeCount(text.toStdString()); });
    Combo1->setFocus();
    Form_Load();
}

void Form1::Form_Load() {
    for (int count = 1; count <= kEntryCount; ++count)
        Combo1->addItem(QString::number(count));
    // After the close box and a reload, show the count still in use rather than the first item.
    const Integer count = m_session.state().ItemCount;
    Combo1->setEditText(count >= 1 && count <= kEntryCount ? QString::number(count)
                                                           : Combo1->itemText(0));
    m_session.loadMain();
}

void Form1::Command1_Click() {
    const ResultPress press = m_session.showResult();
    if (const auto* refusal = std::get_if<Refusal>(&press)) {
        Refuse(*refusal);
        return;
    }
    const CheckVerdict& verdict = std::get<CheckVerdict>(press);
    if (verdict.outcome == CheckOutcome::NotReady)
        return; // nothing at all
    if (verdict.outcome == CheckOutcome::Rejected) {
        Text2->setText(QString::fromUtf8(kFirstRejectionMessage));
        Text3->setText(QString::fromUtf8(kSecondRejectionMessage));
        Announce(m_announcer, Text2->text() + QLatin1Char('\n') + Text3->text());
    } else if (verdict.outcome == CheckOutcome::Accepted) {
        m_navigator.hide(this);
        Text2->clear();
        Announce(m_announcer, QString()); // the rejection no longer holds
        m_navigator.show(FormId::Form3);
    }
    Text1->setText(QString::fromStdString(verdict.averageText));
}

void Form1::Command2_Click() { m_navigator.end(); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // After the style has set its own, polishing the list or its field.
    if ((watched == Combo1 || watched == Combo1->lineEdit()) &&
        (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange ||
         event->type() == QEvent::Show))
        Combo1->lineEdit()->setTextMargins(0, 0, 0, 0);
    return QWidget::eventFilter(watched, event);
}

void Form1::Command3_Click() {
    if (m_session.takeCount())
        m_navigator.show(FormId::Form2);
    else
        Refuse(CountRefused{});
}

void Form1::Refuse(const Refusal& refusal) {
    if (const auto* error = std::get_if<RuntimeError>(&refusal)) {
        m_navigator.reportError(this, *error);
        return;
    }
    m_navigator.reportMessage(this, QString::fromUtf8(kItemCountMessage));
    BoxOf(Combo1)->takeFocus();
}

} // namespace tenvo
