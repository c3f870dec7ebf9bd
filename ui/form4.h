// SPDX-License-Identifier: MIT
// Form4: the title window, a picture and the button that starts a calculation.
#pragma once

#include <QPixmap>
#include <QWidget>

class QPushButton;

namespace tenvo {

class Navigator;

// The title picture for `size` logical pixels at a device pixel ratio: the picture itself at
// its own size on a plain screen, otherwise drawn smoothly from its twin of twice the size.
QPixmap TitlePicture(const QSize& size, qreal devicePixelRatio);

class Form4 : public QWidget {
public:
    explicit Form4(Navigator& navigator);

    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Navigator& m_navigator;
    QPixmap m_shown; // the title picture as last drawn, for the size and scale it was drawn at
    QPushButton* Command1 = nullptr;
};

} // namespace tenvo
