// SPDX-License-Identifier: MIT
// The odds window. Its close box only hides it, so what was typed is never lost.
#include "ui/form2.h"

#include "core/session.h"
#include "ui/control_table.h"
#include "ui/navigator.h"
#include "ui/set_up_window.h"

#include <QPushButton>

#include <algorithm>
#include <utility>

namespace tenvo {
namespace {

// Entries 1 to 12 in the upper row, 13 to 20 in the lower; the boxes tab from entry 20 down.
constexpr ControlRow kControls[] = {
    {"Command1", Button, "(&K)計算", 7440, 0, 1335, 855, 28},
    {"Frame1", ControlKind::Frame, "倍率入力", 0, 120, 7335, 2415, 0},
    {"Text2", Box, "0", 120, 840, 495, 375, 20, "Frame1"},
    {"Text3", Box, "0", 720, 840, 495, 375, 19, "Frame1"},
    {"Text4", Box, "0", 1320, 840, 495, 375, 18, "Frame1"},
    {"Text5", Box, "0", 1920, 840, 495, 375, 17, "Frame1"},
    {"Text6", Box, "0", 2520, 840, 495, 375, 16, "Frame1"},
    {"Text7", Box, "0", 3120, 840, 495, 375, 15, "Frame1"},
    {"Text8", Box, "0", 3720, 840, 495, 375, 14, "Frame1"},
    {"Text9", Box, "0", 4320, 840, 495, 375, 13, "Frame1"},
    {"Text10", Box, "0", 4920, 840, 495, 375, 12, "Frame1"},
    {"Text11", Box, "0", 5520, 840, 495, 375, 11, "Frame1"},
    {"Text12", Box, "0", 6120, 840, 495, 375, 10, "Frame1"},
    {"Text13", Box, "0", 6720, 840, 495, 375, 9, "Frame1"},
    {"Text14", Box, "0", 120, 1800, 495, 375, 8, "Frame1"},
    {"Text15", Box, "0", 720, 1800, 495, 375, 7, "Frame1"},
    {"Text16", Box, "0", 1320, 1800, 495, 375, 6, "Frame1"},
    {"Text17", Box, "0", 1920, 1800, 495, 375, 5, "Frame1"},
    {"Text18", Box, "0", 2520, 1800, 495, 375, 4, "Frame1"},
    {"Text19", Box, "0", 3120, 1800, 495, 375, 3, "Frame1"},
    {"Text20", Box, "0", 3720, 1800, 495, 375, 2, "Frame1"},
    {"Text21", Box, "0", 4320, 1800, 495, 375, 1, "Frame1"},
    {"Label1", Caption, "(1)", 120, 600, 375, 375, 21, "Frame1"},
    {"Label2", Caption, "(2)", 720, 600, 375, 375, 22, "Frame1"},
    {"Label3", Caption, "(3)", 1320, 600, 375, 375, 23, "Frame1"},
    {"Label4", Caption, "(4)", 1920, 600, 495, 495, 24, "Frame1"},
    {"Label5", Caption, "(5)", 2520, 600, 375, 375, 25, "Frame1"},
    {"Label6", Caption, "(6)", 3120, 600, 255, 255, 26, "Frame1"},
    {"Label7", Caption, "(7)", 3720, 600, 375, 255, 27, "Frame1"},
    {"Label8", Caption, "(8)", 4320, 600, 255, 255, 29, "Frame1"},
    {"Label9", Caption, "(9)", 4920, 600, 255, 255, 30, "Frame1"},
    {"Label10", Caption, "(10)", 5520, 600, 375, 255, 31, "Frame1"},
    {"Label11", Caption, "(11)", 6120, 600, 375, 255, 32, "Frame1"},
    {"Label12", Caption, "(12)", 6720, 600, 375, 255, 33, "Frame1"},
    {"Label13", Caption, "(13)", 120, 1560, 375, 255, 34, "Frame1"},
    {"Label14", Caption, "(14)", 720, 1560, 375, 255, 35, "Frame1"},
    {"Label15", Caption, "(15)", 1320, 1560, 375, 255, 36, "Frame1"},
    {"Label16", Caption, "(16)", 1920, 1560, 375, 255, 37, "Frame1"},
    {"Label17", Caption, "(17)", 2520, 1560, 375, 255, 38, "Frame1"},
    {"Label18", Caption, "(18)", 3120, 1560, 375, 255, 39, "Frame1"},
    {"Label19", Caption, "(19)", 3720, 1560, 375, 255, 40, "Frame1"},
    {"Label20", Caption, "(20)", 4320, 1560, 375, 255, 41, "Frame1"},
};

constexpr const char* kTableMessage =
    "表はそのまま貼り付けられません。倍率の列だけをコピーして貼り付けてください。";
constexpr const char* kOverflowMessage =
    "(20) より後に入る %1 個の値は、入る欄がないため貼り付けませんでした。";

} // namespace

Form2::Form2(Navigator& navigator, Session& session)
    : m_navigator(navigator)
    , m_session(session) {
    setObjectName(QStringLiteral("Form2"));
    SetUpWindow(this, {"Form2", "倍率入力", 8760, 2610, /*keepOnClose=*/true});
    CreateControls(this, kControls);
    Command1 = FindControl<QPushButton>(this, "Command1");
    m_entryBoxes = FindEntryBoxes(this, 2, "倍率", "この項目の倍率");
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    for (int k = 1; k <= kEntryCount; ++k) {
        TextBox* box = entryBox(k);
        box->takeSeveralValues(this);
        box->fitText(); // odds are shown whole whenever they are not being edited
        m_session.typeOdds(k, box->text().toStdString());
        connect(box, &QLineEdit::textChanged, this,
                [this, k](const QString& text) { m_session.typeOdds(k, text.toStdString()); });
    }
    entryBox(kEntryCount)->setFocus(); // first in tab order: entry 20
}

int Form2::entryOf(const TextBox* box) const {
    return static_cast<int>(std::find(m_entryBoxes.begin(), m_entryBoxes.end(), box) -
                            m_entryBoxes.begin()) +
           1;
}

void Form2::paste(TextBox* box, const PastedText& pasted) {
    if (pasted.kind == PastedText::Kind::Table) {
        m_navigator.reportMessage(this, QString::fromUtf8(kTableMessage));
        return;
    }
    const int k = entryOf(box);
    const QStringList& values = pasted.values;
    Paste paste{k, {}, {}};
    for (int i = 0; i < values.size() && k + i <= kEntryCount; ++i) {
        TextBox* filled = entryBox(k + i);
        paste.before << filled->text();
        filled->showText(values[i]);
        paste.after << filled->text();
    }
    m_paste = paste;
    if (const auto left = values.size() - paste.after.size(); left > 0)
        m_navigator.reportMessage(this, QString::fromUtf8(kOverflowMessage).arg(left));
}

bool Form2::canUndo(const TextBox* box) const {
    if (!m_paste || m_paste->first != entryOf(box))
        return false;
    for (int i = 0; i < m_paste->after.size(); ++i)
        if (entryBox(m_paste->first + i)->text() != m_paste->after[i])
            return false; // edited since: each box undoes its own
    return true;
}

void Form2::undo(TextBox*) {
    const Paste paste = *std::exchange(m_paste, std::nullopt);
    for (int i = 0; i < paste.before.size(); ++i)
        entryBox(paste.first + i)->showText(paste.before[i]);
}

void Form2::Command1_Click() {
    if (const std::optional<RuntimeError> error = m_session.evaluateOdds()) {
        m_navigator.reportError(this, *error);
        return;
    }
    m_navigator.hide(this);
    m_navigator.show(FormId::Form1);
}

} // namespace tenvo
