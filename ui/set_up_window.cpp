// SPDX-License-Identifier: MIT
// Setting up a top-level window, and how assistive technologies see it.
#include "ui/set_up_window.h"

#include "ui/control_table.h"
#include "ui/program_look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QIcon>
#include <QString>
#include <QWidget>

namespace tenvo {
namespace {

constexpr char kTenvoWindow[] = "tenvoWindow";
constexpr char kAnnouncer[] = "tenvoAnnouncer";
constexpr char kTwips[] = "tenvoTwips";

// A window of Tenvo as assistive technologies see it: a window, whose children are the controls
// a user can ever see. Qt would call a plain top-level widget a filler and list its hidden
// controls too.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children())
            if (auto* control = qobject_cast<QWidget*>(object);
                control && !control->isWindow() && !control->isHidden())
                shown << control;
        return shown;
    }
};

QAccessibleInterface* TenvoWindows(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->property(kTenvoWindow).toBool())
        return new WindowAccessible(widget);
    if (widget && widget->property(kAnnouncer).toBool())
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

QSize WindowTwips(const QWidget* window) { return window->property(kTwips).toSize(); }

QWidget* CreateAnnouncer(QWidget* window) {
    auto* announcer = new QWidget(window);
    announcer->setObjectName(QStringLiteral("Announcer"));
    announcer->setProperty(kAnnouncer, true);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->setFocusPolicy(Qt::NoFocus);
    announcer->hide();
    return announcer;
}

void Announce(QWidget* announcer, const QString& text) {
    // Shown afresh, it is announced afresh, also with the same words.
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->setVisible(!text.isEmpty());
}

void SetUpWindow(QWidget* window, const WindowLook& look) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(TenvoWindows);
        return true;
    }();
    (void)factoryInstalled;
    window->setProperty(kTenvoWindow, true);
    window->setWindowTitle(QString::fromUtf8(look.title));
    window->setAccessibleName(QString::fromUtf8(look.accessibleName));
    window->setWindowIcon(ProgramIcon());
    window->setProperty(kTwips, QSize(look.width, look.height)); // scaled with its controls
    window->resize(Pixels(look.width), Pixels(look.height));
    window->setMinimumSize(window->size()); // smaller, it would hide its own controls
    window->setAttribute(Qt::WA_DeleteOnClose, !look.keepOnClose);
}

} // namespace tenvo
