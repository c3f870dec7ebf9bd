// SPDX-License-Identifier: MIT
// Window lifetimes: one instance each, loaded on use, unloaded only by the close box.
#include "ui/navigator.h"

#include "core/calculation_state.h"
#include "core/run_time_error.h"
#include "ui/control_table.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/text_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <type_traits>

namespace tenvo {

namespace {

// The place nearest to where `frame` stands at which all of it lies on one screen's available
// area: where it stands, when it fits there already.
QPoint PlaceOnScreen(const QRect& frame) {
    QPoint nearest = frame.topLeft();
    qint64 nearestDistance = -1;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (area.contains(frame))
            return frame.topLeft();
        const QPoint moved(std::clamp(frame.left(), area.left(),
                                      std::max(area.left(), area.right() + 1 - frame.width())),
                           std::clamp(frame.top(), area.top(),
                                      std::max(area.top(), area.bottom() + 1 - frame.height())));
        const QPoint step = moved - frame.topLeft();
        const qint64 distance = qint64(step.x()) * step.x() + qint64(step.y()) * step.y();
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = moved;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace

Navigator::Navigator(Session& session, std::function<void()> quit, MessageSink messages)
    : m_session(session)
    , m_quit(quit ? std::move(quit) : [] { QCoreApplication::quit(); })
    , m_messages(messages ? std::move(messages) : [](QWidget* parent, const QString& text) {
        // Modal to its own window, so that a compositor that places dialogs does so over it.
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tenvo"), text, QMessageBox::Ok,
                        parent);
        box.setWindowModality(Qt::WindowModal);
        box.exec();
    }) {
    QCoreApplication::instance()->installEventFilter(this);
}

Navigator::~Navigator() { qDeleteAll(windows()); }

void Navigator::start() { show(FormId::Form4); }

template <class Form> Form* Navigator::loaded(QPointer<Form>& slot) {
    if (!slot) {
        if constexpr (std::is_constructible_v<Form, Navigator&, Session&>)
            slot = new Form(*this, m_session);
        else
            slot = new Form(*this);
    }
    return slot;
}

QList<QWidget*> Navigator::windows() const {
    QList<QWidget*> loaded;
    for (QWidget* window : {static_cast<QWidget*>(m_form1), static_cast<QWidget*>(m_form2),
                            static_cast<QWidget*>(m_form3), static_cast<QWidget*>(m_form4),
                            static_cast<QWidget*>(m_form5)})
        if (window)
            loaded << window;
    return loaded;
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window()->isVisible() || !windows().contains(widget->window()))
            return QObject::eventFilter(watched, event);
        // Never a change the user cannot see: the key goes to the window now in front.
        if (m_front && m_front->isVisible() && m_front != widget->window())
            QCoreApplication::sendEvent(
                m_front->focusWidget() ? m_front->focusWidget() : m_front.data(), event);
        event->accept(); // taken, by the window in front or by nobody: no parent gets it again
        return true;
    }
    case QEvent::WindowActivate:
        // The focus shows from the moment a window comes up, as after a Tab, until a click
        // moves it; Qt would show it only once Tab has been pressed.
        if (auto* window = qobject_cast<QWidget*>(watched); window && windows().contains(window))
            window->setAttribute(Qt::WA_KeyboardFocusChange);
        break;
    default:
        break;
    }
    if (event->type() == QEvent::Close && windows().contains(qobject_cast<QWidget*>(watched))) {
        // No window has a close handler, so the close always goes through. A process with no
        // window on screen is of no use to anyone: end it.
        const QList<QWidget*> loaded = windows();
        const bool othersVisible = std::any_of(loaded.begin(), loaded.end(), [&](QWidget* w) {
            return w != watched && w->isVisible();
        });
        if (!othersVisible && !m_ended) {
            m_ended = true;
            m_quit();
        }
    }
    return QObject::eventFilter(watched, event);
}

Form1* Navigator::form1() { return loaded(m_form1); }
Form2* Navigator::form2() { return loaded(m_form2); }
Form3* Navigator::form3() { return loaded(m_form3); }
Form4* Navigator::form4() { return loaded(m_form4); }
Form5* Navigator::form5() { return loaded(m_form5); }

QWidget* Navigator::window(FormId id) {
    switch (id) {
    case FormId::Form1:
        return form1();
    case FormId::Form2:
        return form2();
    case FormId::Form3:
        return form3();
    case FormId::Form4:
        return form4();
    case FormId::Form5:
        break;
    }
    return form5();
}

void Navigator::show(FormId id) { show(window(id)); }

void Navigator::show(QWidget* window) {
    static const QString platform = QGuiApplication::platformName();
    static const bool wayland = platform.startsWith(QLatin1String("wayland"));
    if (wayland && window->isVisible() && !window->isActiveWindow()) {
        // A Wayland compositor lets no client raise or focus a window it shows already, and
        // never tells it that one was minimized; a window shown afresh is brought up with the
        // focus by the compositor's own rules.
        window->hide();
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    // A window shown again comes back where the user left it, as long as all of it fits on a
    // screen; asked for no place, a window manager would place it anew. Places are the
    // compositor's on Wayland.
    if (QWindow* shownBefore = window->windowHandle();
        shownBefore && !window->isVisible() && !wayland) {
        const QRect frame = shownBefore->frameGeometry();
        if (const QPoint place = PlaceOnScreen(frame); place != frame.topLeft())
            window->move(place); // a widget's place is its frame's
        else
            shownBefore->setPosition(shownBefore->position());
    }
    window->show();
    m_front = window;
    // Platforms without a window stack (offscreen, minimal) cannot raise; do not ask them.
    static const bool canRaise =
        !platform.startsWith(QLatin1String("offscreen")) && platform != QLatin1String("minimal");
    if (canRaise)
        window->raise();
    window->activateWindow();
    if (TextBox* box = BoxOf(window->focusWidget()))
        box->takeFocus();
}

void Navigator::hide(QWidget* window) { window->hide(); }

void Navigator::end() {
    m_ended = true;
    for (QWidget* window : windows())
        window->hide();
    m_quit();
}

void Navigator::reportError(QWidget* parent, const RuntimeError& error) {
    reportMessage(parent, QString::fromStdString(ErrorMessage(error)));
    const std::optional<int>& entry = error.entry();
    if (!entry || *entry < 1 || *entry > kEntryCount)
        return;
    show(FormId::Form2);
    form2()->entryBox(*entry)->takeFocus();
}

void Navigator::reportMessage(QWidget* parent, const QString& text) { m_messages(parent, text); }

} // namespace tenvo
