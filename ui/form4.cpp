// SPDX-License-Identifier: MIT
// The title window.
#include "ui/form4.h"

#include "ui/control_table.h"
#include "ui/navigator.h"
#include "ui/set_up_window.h"

#include <QPainter>
#include <QPushButton>

namespace tenvo {
namespace {

constexpr QSize kPictureSize(242, 343);

constexpr ControlRow kControls[] = {
    {"Command1", ControlKind::PushButton, "(&O)お金持ちになる！", 720, 3720, 2055, 735, 0},
};

} // namespace

Form4::Form4(Navigator& navigator)
    : m_navigator(navigator)
    , m_picture(QStringLiteral(":/assets/title.png")) {
    setObjectName(QStringLiteral("Form4"));
    SetUpWindow(this, {"Form4", "タイトル", 3585, 5040});
    CreateControls(this, kControls);
    Command1 = FindControl<QPushButton>(this, "Command1");
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Command1_Click() {
    m_navigator.hide(this);
    m_navigator.show(FormId::Form1);
}

void Form4::paintEvent(QPaintEvent*) {
    // Unscaled at the top left, sharp at any scale factor; what lies beyond the client area is
    // cut off.
    QPainter(this).drawPixmap(0, 0, m_picture.pixmap(kPictureSize, devicePixelRatioF()));
}

} // namespace tenvo
