// SPDX-License-Identifier: MIT
// The windows as a client of a Wayland compositor (mutter): which window has the keyboard focus
// is the compositor's to say, read back through Qt. The buttons are pressed without any input
// event of the compositor's, as a screen reader presses them.
#include "ui/window_harness.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

namespace tenvo {
namespace {

// The compositor gives the window the keyboard focus, and Qt has taken it in; how long it took
// is said.
bool BecomesActive(QWidget* window, const char* after) {
    QElapsedTimer clock;
    clock.start();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000))
        return false;
    qInfo("%s: %s active after %lld ms", after, qPrintable(window->objectName()),
          static_cast<long long>(clock.elapsed()));
    return true;
}

// Keys typed through the compositor, as a keyboard types them: mutter's remote desktop session,
// which lives as long as this process's connection to the session bus.
class CompositorKeyboard {
public:
    CompositorKeyboard() {
        QDBusInterface desktop(QStringLiteral("org.gnome.Mutter.RemoteDesktop"),
                               QStringLiteral("/org/gnome/Mutter/RemoteDesktop"),
                               QStringLiteral("org.gnome.Mutter.RemoteDesktop"));
        const QDBusReply<QDBusObjectPath> session = desktop.call(QStringLiteral("CreateSession"));
        if (!session.isValid())
            qFatal("no remote desktop session: %s", qPrintable(session.error().message()));
        m_session = std::make_unique<QDBusInterface>(
            QStringLiteral("org.gnome.Mutter.RemoteDesktop"), session.value().path(),
            QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"));
        const QDBusMessage started = m_session->call(QStringLiteral("Start"));
        if (started.type() == QDBusMessage::ErrorMessage)
            qFatal("the remote desktop session does not start: %s",
                   qPrintable(started.errorMessage()));
    }
    // Types a character of Latin-1, its key pressed and released.
    void type(char c) { press(uint(uchar(c))); }
    // Presses and releases the key of an X keysym.
    void press(uint keysym) {
        for (const bool pressed : {true, false}) {
            const QDBusMessage typed =
                m_session->call(QStringLiteral("NotifyKeyboardKeysym"), keysym, pressed);
            if (typed.type() == QDBusMessage::ErrorMessage)
                qFatal("the compositor takes no key: %s", qPrintable(typed.errorMessage()));
        }
    }

private:
    std::unique_ptr<QDBusInterface> m_session;
};

// One keyboard for the whole run. The compositor adds it to the seat at its first key, and a
// client learns of it only then: keys typed before are lost, so a Shift is pressed first.
CompositorKeyboard& Keyboard() {
    static CompositorKeyboard keyboard = [] {
        CompositorKeyboard made;
        made.press(0xffe1); // Shift_L
        return made;
    }();
    return keyboard;
}

// Presses a button as a screen reader does: its action, without any input event.
void Press(QWidget* window, const char* button) { Child<QPushButton>(window, button)->click(); }

// Whether a key typed now reaches the window, wherever in it the focus is.
bool KeyReaches(QWidget* window) {
    struct Watcher : QObject {
        QWidget* reached = nullptr;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::KeyPress && watched->isWidgetType())
                reached = static_cast<QWidget*>(watched)->window();
            return false;
        }
    } watcher;
    qApp->installEventFilter(&watcher);
    Keyboard().press(0xffe1); // Shift, which types nothing
    const bool reached = QTest::qWaitFor([&] { return watcher.reached != nullptr; }, 2000);
    qApp->removeEventFilter(&watcher);
    if (reached && watcher.reached != window)
        qWarning("the key reached %s", qPrintable(watcher.reached->objectName()));
    return reached && watcher.reached == window;
}

// A window of the test's choosing takes the focus, as a user's click on it would give it: shown
// afresh, which the compositor focuses by its own rules.
void Focus(QWidget* window) {
    window->hide();
    window->show();
    QVERIFY(BecomesActive(window, "set-up"));
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Keyboard();
        QTest::qWait(500);
    }
    void buttonsBringShownWindowsToTheFront_data();
    void buttonsBringShownWindowsToTheFront();
    void aMessageOpensOverItsWindow();
};

void WaylandTest::buttonsBringShownWindowsToTheFront_data() {
    QTest::addColumn<QString>("road");
    QTest::newRow("(N) with the odds window open beside") << "odds";
    QTest::newRow("(R) with the odds window open beside") << "recalculate";
    QTest::newRow("an error with the odds window open beside") << "error";
    // Minimized through its own request, of which Qt never learns on Wayland.
    QTest::newRow("(K) with the main window minimized") << "minimized";
}

void WaylandTest::buttonsBringShownWindowsToTheFront() {
    QFETCH(QString, road);
    Harness h;
    Navigator& n = *h.navigator;
    Reach(h, Evaluated);
    QVERIFY(BecomesActive(n.form1(), "calculate"));
    Press(n.form1(), "Command3"); // the odds window, shown afresh, beside the main window
    QVERIFY(BecomesActive(n.form2(), "odds"));
    if (road == QLatin1String("odds")) {
        Focus(n.form1());
        Press(n.form1(), "Command3");
        QVERIFY(BecomesActive(n.form2(), "odds again"));
        QVERIFY(KeyReaches(n.form2()));
    } else if (road == QLatin1String("recalculate")) {
        Focus(n.form1());
        Press(n.form1(), "Command1");
        QVERIFY(BecomesActive(n.form3(), "result"));
        QVERIFY(n.form2()->isVisible());
        Press(n.form3(), "Command1");
        QVERIFY(BecomesActive(n.form2(), "recalculate"));
        QVERIFY(KeyReaches(n.form2()));
    } else if (road == QLatin1String("minimized")) {
        n.form1()->showMinimized();
        QTest::qWait(300);
        Press(n.form2(), "Command1");
        QVERIFY(BecomesActive(n.form1(), "calculate"));
        QVERIFY(KeyReaches(n.form1()));
    } else {
        Type(n.form2()->entryBox(2), QStringLiteral("x"));
        Focus(n.form1());
        Press(n.form1(), "Command1");
        QCOMPARE(h.messages.size(), 1);
        QVERIFY(BecomesActive(n.form2(), "error"));
        QCOMPARE(QApplication::focusWidget(), n.form2()->entryBox(2));
        Keyboard().type('4'); // the correction lands in the box, not in the count field
        QTRY_COMPARE(n.form2()->entryBox(2)->text(), QStringLiteral("4"));
    }
}

// A message found by (K)結果表示 is a dialog of the main window, modal to it alone, with the
// keyboard focus; where mutter puts it is mutter's to say.
void WaylandTest::aMessageOpensOverItsWindow() {
    Harness h;
    h.navigator = std::make_unique<Navigator>(h.session); // with its own message box
    Navigator& n = *h.navigator;
    Reach(h, Evaluated);
    QVERIFY(BecomesActive(n.form1(), "calculate"));
    n.form2()->entryBox(2)->setText(QStringLiteral("x")); // in the hidden odds window
    bool modal = false, parented = false, focused = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &n, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* message = qobject_cast<QMessageBox*>(window); message && message->isVisible())
                box = message;
        if (!box)
            return;
        look.stop();
        modal = box->windowModality() == Qt::WindowModal;
        parented = box->windowHandle()->transientParent() == n.form1()->windowHandle();
        focused = BecomesActive(box, "message");
        box->accept();
    });
    look.start(20);
    Press(n.form1(), "Command1");
    QVERIFY(modal);
    QVERIFY(parented);
    QVERIFY(focused);
}

} // namespace tenvo

QTEST_MAIN(tenvo::WaylandTest)
#include "wayland_test.moc"
