// SPDX-License-Identifier: MIT
// Form4: the title window, a picture and the button that starts a calculation.
#pragma once

#include <QIcon>
#include <QWidget>

class QPushButton;

namespace tenvo {

class Navigator;

class Form4 : public QWidget {
public:
    explicit Form4(Navigator& navigator);

    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Navigator& m_navigator;
    QIcon m_picture; // the title picture, with its twin for a scale factor of 2
    QPushButton* Command1 = nullptr;
};

} // namespace tenvo
