// SPDX-License-Identifier: MIT
// Form1: the main window, with the entry count, the result button and its two messages.
#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;

class Form1 : public QWidget {
public:
    explicit Form1(Navigator& navigator);

    void Form_Load();
    void Command1_Click(); // "(&K)結果表示": the result check, then the stake window
    void Command2_Click(); // "(&E)End"
    void Command3_Click(); // "(&N)倍率入力": the entry count, then the odds window

private:
    // The count field read as the count in use, or refused with a message: a whole number from
    // 1 to 20 after rounding.
    bool TakeCount();

    Navigator& m_navigator;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
};

} // namespace tenvo
