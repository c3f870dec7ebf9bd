// SPDX-License-Identifier: MIT
// The stake and profit windows' shared making and buttons.
#include "ui/figure_window.h"

#include "core/session.h"
#include "ui/navigator.h"
#include "ui/text_box.h"

#include <QPushButton>

namespace tenvo {

FigureWindow::FigureWindow(Navigator& navigator, Session& session, const WindowLook& look,
                           std::span<const ControlRow> controls, const char* what,
                           const char* description)
    : m_navigator(navigator)
    , m_session(session) {
    setObjectName(QString::fromLatin1(look.title));
    SetUpWindow(this, look);
    CreateControls(this, controls);
    Command1 = FindControl<QPushButton>(this, "Command1");
    Command2 = FindControl<QPushButton>(this, "Command2");
    m_boxes = FindEntryBoxes(this, 1, what, description);
    // A figure on screen is the figure priced: it can be selected and copied, not edited.
    for (TextBox* box : m_boxes)
        box->setReadOnly(true);
    connect(Command1, &QPushButton::clicked, this, &FigureWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FigureWindow::Command2_Click);
    m_watch = m_session.watchResult([this] { Form_Load(); });
}

FigureWindow::~FigureWindow() { m_session.unwatchResult(m_watch); }

void FigureWindow::Form_Load() {
    if (const PricedResult* result = m_session.result())
        ShowResult(*result);
}

void FigureWindow::Command1_Click() {
    m_navigator.show(FormId::Form2);
    m_navigator.hide(this);
}

void FigureWindow::Command2_Click() { m_navigator.end(); }

} // namespace tenvo
