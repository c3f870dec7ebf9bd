// SPDX-License-Identifier: MIT
// Form1: the main window, with the entry count, the result button and its two messages.
#pragma once

#include "core/session.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tenvo {

class Navigator;
class Session;

class Form1 : public QWidget {
public:
    Form1(Navigator& navigator, Session& session);

    void Form_Load();
    void Command1_Click(); // "(&K)結果表示": the result check, then the stake window
    void Command2_Click(); // "(&E)End"
    void Command3_Click(); // "(&N)倍率入力": the entry count, then the odds window

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Says why a press changed nothing; a refused count is kept, selected to be typed over.
    void Refuse(const Refusal& refusal);

    Navigator& m_navigator;
    Session& m_session;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QWidget* m_announcer = nullptr; // says a rejection to a screen reader
};

} // namespace tenvo
