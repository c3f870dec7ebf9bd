// SPDX-License-Identifier: MIT
// What the stake and profit windows share: twenty figure boxes with their entry labels,
// "(&R)再計算" and "(&E)End", and the session's latest result shown when they load and whenever
// it changes.
#pragma once

#include "ui/control_table.h"
#include "ui/set_up_window.h"

#include <QWidget>

#include <span>

class QPushButton;

namespace tenvo {

class Navigator;
class Session;
struct PricedResult;

class FigureWindow : public QWidget {
public:
    ~FigureWindow() override;

    void Command1_Click(); // "(&R)再計算": back to the odds window
    void Command2_Click(); // "(&E)End"

protected:
    // A window laid out from `controls`, its entry boxes Text1 to Text20 named for screen
    // readers "(k) の" + what and described by `description`. The derived window calls
    // Form_Load when it is made.
    FigureWindow(Navigator& navigator, Session& session, const WindowLook& look,
                 std::span<const ControlRow> controls, const char* what, const char* description);

    void Form_Load(); // shows the session's latest result, when there is one
    virtual void ShowResult(const PricedResult& result) = 0;

    Navigator& m_navigator;
    Session& m_session;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    EntryBoxes m_boxes{}; // Text1 to Text20

private:
    int m_watch = 0;
};

} // namespace tenvo
