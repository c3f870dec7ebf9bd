// SPDX-License-Identifier: MIT
// The title window.
#include "ui/form4.h"

#include "ui/control_table.h"
#include "ui/navigator.h"
#include "ui/set_up_window.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>

namespace tenvo {
namespace {

constexpr QSize kPictureSize(242, 343);

constexpr ControlRow kControls[] = {
    {"Command1", ControlKind::PushButton, "(&O)お金持ちになる！", 720, 3720, 2055, 735, 0},
};

} // namespace

QPixmap TitlePicture(const QSize& size, qreal devicePixelRatio) {
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (pixels == kPictureSize)
        return QPixmap(QStringLiteral(":/assets/title.png"));
    QPixmap drawn =
        QPixmap::fromImage(QImage(QStringLiteral(":/assets/title@2x.png"))
                               .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    drawn.setDevicePixelRatio(devicePixelRatio);
    return drawn;
}

Form4::Form4(Navigator& navigator)
    : m_navigator(navigator) {
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
    // At the top left, as much larger as the window's layout is for its font, and smooth at any
    // scale factor; what lies beyond the client area is cut off.
    const double scale = minimumWidth() * 15.0 / WindowTwips(this).width();
    const QSize size = (QSizeF(kPictureSize) * scale).toSize();
    if (m_shown.deviceIndependentSize().toSize() != size ||
        m_shown.devicePixelRatio() != devicePixelRatioF())
        m_shown = TitlePicture(size, devicePixelRatioF());
    QPainter(this).drawPixmap(0, 0, m_shown);
}

} // namespace tenvo
