// SPDX-License-Identifier: MIT
// The odds window. Its close box only hides it, so what was typed is never lost.
#include "ui/form2.h"

#include "core/session.h"
#include "ui/control_table.h"
#include "ui/figure_box.h"
#include "ui/navigator.h"
#include "ui/pasted_text.h"
#include "ui/set_up_window.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace tenvo {
namespace {

constexpr ControlKind Box = ControlKind::TextBox;
constexpr ControlKind Caption = ControlKind::Label;

// Entries 1 to 12 in the upper row, 13 to 20 in the lower; the boxes tab from entry 20 down.
constexpr ControlRow kControls[] = {
    {"Command1", ControlKind::PushButton, "(&K)計算", 7440, 0, 1335, 855, 28},
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

// A text the program puts into a box: shown whole unless the box is being edited.
void SetText(QLineEdit* box, const QString& text) {
    box->setText(text);
    if (!box->hasFocus())
        FitFigure(box);
}

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
        QLineEdit* box = entryBox(k);
        box->installEventFilter(this);
        m_session.typeOdds(k, box->text().toStdString());
        connect(box, &QLineEdit::textChanged, this,
                [this, k](const QString& text) { m_session.typeOdds(k, text.toStdString()); });
    }
    entryBox(kEntryCount)->setFocus(); // first in tab order: entry 20
}

bool Form2::PasteInto(int k, const QString& text) {
    const PastedText pasted = SplitPastedText(text);
    if (pasted.kind == PastedText::Kind::Plain)
        return false;
    if (pasted.kind == PastedText::Kind::Table) {
        m_navigator.reportMessage(this, QString::fromUtf8(kTableMessage));
        return true;
    }
    const QStringList& values = pasted.values;
    if (values.size() == 1) { // one value with a line break around it: typed in as usual
        entryBox(k)->insert(values.front());
        return true;
    }
    Paste paste{k, {}, {}};
    for (int i = 0; i < values.size() && k + i <= kEntryCount; ++i) {
        QLineEdit* box = entryBox(k + i);
        paste.before << box->text();
        SetText(box, values[i]);
        paste.after << box->text();
    }
    if (!paste.after.isEmpty())
        m_paste = paste;
    if (const auto left = values.size() - paste.after.size(); left > 0)
        m_navigator.reportMessage(this, QString::fromUtf8(kOverflowMessage).arg(left));
    return true;
}

bool Form2::UndoPaste(int k) {
    if (!m_paste || m_paste->first != k)
        return false;
    const Paste paste = *std::exchange(m_paste, std::nullopt);
    for (int i = 0; i < paste.after.size(); ++i)
        if (entryBox(k + i)->text() != paste.after[i])
            return false; // edited since: each box undoes its own
    for (int i = 0; i < paste.before.size(); ++i)
        SetText(entryBox(k + i), paste.before[i]);
    return true;
}

// The box's own menu with its Paste and Undo taken over. Qt names no action; each is the one
// that shows its shortcut.
void Form2::ShowMenu(QLineEdit* box, int k, const QPoint& at) {
    QMenu* menu = box->createStandardContextMenu();
    const auto shortcut = [](QKeySequence::StandardKey key) {
        return QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    };
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(shortcut(QKeySequence::Paste))) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, box, [this, k, box] {
                if (!PasteInto(k, QGuiApplication::clipboard()->text()))
                    box->paste();
            });
        } else if (action->text().endsWith(shortcut(QKeySequence::Undo)) && m_paste &&
                   m_paste->first == k) {
            // The box's own undo has nothing to take back: the paste set its text anew.
            action->setEnabled(true);
            connect(action, &QAction::triggered, box, [this, k] { UndoPaste(k); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(m_entryBoxes.begin(), m_entryBoxes.end(), watched);
    if (found == m_entryBoxes.end())
        return QWidget::eventFilter(watched, event);
    const int k = static_cast<int>(found - m_entryBoxes.begin()) + 1;
    QLineEdit* box = *found;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste))
            return PasteInto(k, QGuiApplication::clipboard()->text());
        if (key->matches(QKeySequence::Undo))
            return UndoPaste(k);
        break;
    }
    case QEvent::MouseButtonRelease: // the middle button pastes the X selection
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection())
            return PasteInto(k, QGuiApplication::clipboard()->text(QClipboard::Selection));
        break;
    case QEvent::ContextMenu:
        ShowMenu(box, k, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::FocusIn:
        // Edited in the usual size, scrolling as usual; every other box is not being edited,
        // whichever way the focus left it, also while the window was in the background.
        box->setFont(QFont());
        for (QLineEdit* other : m_entryBoxes)
            if (other != box)
                FitFigure(other);
        break;
    case QEvent::FocusOut:
        // Another window or a menu taking the focus leaves the box in the middle of its edit.
        if (const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            FitFigure(box);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
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
