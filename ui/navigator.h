// SPDX-License-Identifier: MIT
// The five windows, made on first use, shown, hidden and ended by the program's rules.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class QString;

namespace tenvo {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class RuntimeError;
class Session;

// The windows by the names they are known by on screen.
enum class FormId { Form1, Form2, Form3, Form4, Form5 };

class Navigator : public QObject {
public:
    // How a message reaches the user; the default is a message box titled "Tenvo".
    using MessageSink = std::function<void(QWidget* parent, const QString& text)>;

    // The windows show `session`, which outlives them. quit ends the process; the default asks
    // the application to quit.
    explicit Navigator(Session& session, std::function<void()> quit = {},
                       MessageSink messages = {});
    ~Navigator() override;

    // Start-up: makes, loads and shows the title window.
    void start();

    // Each window's one instance, loaded (with its design-time contents) when it is not.
    Form1* form1();
    Form2* form2();
    Form3* form3();
    Form4* form4();
    Form5* form5();
    QWidget* window(FormId id);

    // Makes a window visible where it was last, restored if it was minimized, and brings it to
    // the front with the keyboard focus; a box that gets it has its text selected. Loads the
    // window first when it is not loaded.
    void show(FormId id);
    void hide(QWidget* window);
    // Ends the program at once: every window disappears and the process exits.
    void end();

    // The one place where a run-time error becomes a message. When the error names an odds
    // entry, the odds window comes up afterwards with that entry's box focused and selected.
    void reportError(QWidget* parent, const RuntimeError& error);
    void reportMessage(QWidget* parent, const QString& text);

protected:
    // Watches the close boxes: closing the last visible window ends the program. Keys typed
    // for a window that is hidden, or being hidden, as a window manager may still deliver them
    // for a moment, go to the window now in front, or nowhere.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Form> Form* loaded(QPointer<Form>& slot);
    QList<QWidget*> windows() const;
    void show(QWidget* window);

    Session& m_session;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;
    QPointer<Form5> m_form5;
    QPointer<QWidget> m_front; // the window shown last
    std::function<void()> m_quit;
    MessageSink m_messages;
    bool m_ended = false;
};

} // namespace tenvo
