// SPDX-License-Identifier: MIT
// The windows on a real X server under a real window manager, driven as a person drives them:
// clicks at screen coordinates and keys through the X server (xdotool), windows moved,
// minimized and closed through the manager (wmctrl, xdotool), read back through Qt.
#include "ui/window_harness.h"

#include <QClipboard>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace tenvo {
namespace {

// Runs a tool of the X session on this test's display.
bool Run(const QString& tool, const QStringList& args) {
    return QProcess::execute(tool, args) == 0;
}

// A click of the mouse button at a point of a control, as the X server delivers it.
bool ClickAt(QWidget* control, const QPoint& at, int button = 1) {
    const QPoint screen = control->mapToGlobal(at);
    return Run(QStringLiteral("xdotool"),
               {"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y()),
                "click", QString::number(button)});
}

bool Keys(const QStringList& keys) {
    return Run(QStringLiteral("xdotool"), QStringList{"key", "--clearmodifiers"} + keys);
}

// What a screen reader learns over the accessibility bus, asked by a process of its own while
// this one goes on answering; `meanwhile` runs once the probe listens.
QStringList Probe(const QStringList& args, const std::function<void()>& meanwhile = {}) {
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                QStringList{QStringLiteral(TENVO_ATSPI_PROBE)} + args);
    if (!probe.waitForStarted())
        return {};
    if (meanwhile && QTest::qWaitFor([&] { return probe.canReadLine(); }, 8000) &&
        probe.readLine() == "ready\n")
        meanwhile();
    if (!QTest::qWaitFor([&] { return probe.state() == QProcess::NotRunning; }, 8000))
        probe.kill();
    const QByteArray complaints = probe.readAllStandardError();
    if (!complaints.isEmpty())
        qWarning("the probe says: %s", complaints.constData());
    return QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
}

QString WindowId(QWidget* window) { return QString::number(window->winId()); }

// The road to the odds window, the main window beside it, with the count typed.
void ToOdds(Harness& h) {
    Reach(h, Odds);
    QVERIFY(QTest::qWaitForWindowActive(h.navigator->form2()));
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theMiddleButtonPastesTheSelection();
    void windowsStayWhereTheUserPutsThem();
    void minimizedWindowsComeBack();
    void aMessageOpensOverTheWindowPressedIn();
    void captionsFitTheDesktopsFont();
    void keysAfterCalculateReachTheMainWindow_data();
    void keysAfterCalculateReachTheMainWindow();
    // Once a screen reader listens, Qt hands it every key first and types it only when it says
    // so: the tests that type through Qt's test functions come before.
    void aScreenReaderHearsWhatTheWindowsSay();
    void tenvoStartsOnItsTitleWindow();
};

// The middle button pastes the X selection where it is clicked, by the rules of a paste.
void DesktopTest::theMiddleButtonPastesTheSelection() {
    Harness h;
    ToOdds(h);
    QGuiApplication::clipboard()->setText(QStringLiteral("41\n\n42\n"), QClipboard::Selection);
    QLineEdit* box = h.navigator->form2()->entryBox(1);
    QVERIFY(ClickAt(box, box->rect().center(), 2));
    QTRY_COMPARE(box->text(), QStringLiteral("41"));
    QCOMPARE(h.navigator->form2()->entryBox(2)->text(), QStringLiteral("42"));
}

// A window hidden and shown again comes back where it was left, and none can be made smaller
// than its controls need.
void DesktopTest::windowsStayWhereTheUserPutsThem() {
    Harness h;
    Navigator& n = *h.navigator;
    ToOdds(h);
    QWidget* odds = n.form2();
    const QPoint first = odds->pos();
    QVERIFY(Run(QStringLiteral("wmctrl"), {"-i", "-r", WindowId(odds), "-e", "0,101,620,-1,-1"}));
    QTRY_VERIFY(odds->pos() != first);
    const QRect placed = odds->geometry();
    Child<QPushButton>(odds, "Command1")->click(); // calculate: hidden
    QTRY_VERIFY(!odds->isVisible());
    Child<QPushButton>(n.form1(), "Command3")->click(); // shown again
    QVERIFY(QTest::qWaitForWindowExposed(odds));
    QTest::qWait(200);
    QTRY_COMPARE(odds->geometry(), placed);

    QWidget* main = n.form1();
    const QSize designed = main->size();
    QVERIFY(Run(QStringLiteral("wmctrl"), {"-i", "-r", WindowId(main), "-e", "0,-1,-1,150,50"}));
    QTest::qWait(300);
    QCOMPARE(main->size(), designed);
}

// A button that shows a minimized window brings it back, in front, with the focus: the odds
// window by the odds button, the main window by the calculate button.
void DesktopTest::minimizedWindowsComeBack() {
    Harness h;
    Navigator& n = *h.navigator;
    ToOdds(h);
    const struct {
        QWidget* minimized;
        QWidget* window;
        const char* button;
    } rows[] = {{n.form2(), n.form1(), "Command3"}, {n.form1(), n.form2(), "Command1"}};
    for (const auto& row : rows) {
        QVERIFY(
            Run(QStringLiteral("xdotool"), {"windowminimize", "--sync", WindowId(row.minimized)}));
        QTRY_VERIFY(row.minimized->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(row.window));
        QTest::qWait(300); // a person's pace: the manager has done with the minimizing
        QPushButton* button = Child<QPushButton>(row.window, row.button);
        QVERIFY(ClickAt(button, button->rect().center()));
        QTRY_VERIFY2(row.minimized->isVisible() && !row.minimized->isMinimized(), row.button);
        QTRY_VERIFY2(row.minimized->isActiveWindow(), row.button);
    }
}

// An error found by the result button opens its message over the main window, wherever the
// user moved it, not over the odds window hidden elsewhere.
void DesktopTest::aMessageOpensOverTheWindowPressedIn() {
    Harness h;
    h.navigator = std::make_unique<Navigator>(h.session); // with its own message box
    Navigator& n = *h.navigator;
    Road road{h};
    Reach(h, Odds);
    road.odds({"3", "4", "7", "abc"});
    QWidget* main = n.form1();
    QTRY_VERIFY(main->isActiveWindow());
    QVERIFY(Run(QStringLiteral("wmctrl"), {"-i", "-r", WindowId(main), "-e", "0,850,700,-1,-1"}));
    QTRY_VERIFY(main->pos().x() > 700);
    Type(Child<QComboBox>(main, "Combo1")->lineEdit(), QStringLiteral("4"));
    QPoint shownAt;
    QTimer::singleShot(0, main, [&] {
        QWidget* box = nullptr;
        if (!QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; }))
            return;
        if (QTest::qWaitFor([&] { return box->isActiveWindow(); }, 2000))
            QTest::qWait(200); // placed by the window manager
        shownAt = box->frameGeometry().center();
        box->close();
    });
    Click(main, "Command1");
    const QPoint offset = shownAt - main->frameGeometry().center();
    QVERIFY2(
        offset.manhattanLength() < 150,
        qPrintable(QStringLiteral("%1,%2 from the main window").arg(offset.x()).arg(offset.y())));
}

// A screen reader hears the count field as 入力項目数 and then its number, and a rejection as it
// is written into the main window. A budget chosen and typed through the X server spreads the
// stakes at once, and the screen reader reads the new stakes with their payouts and break-even
// odds.
void DesktopTest::aScreenReaderHearsWhatTheWindowsSay() {
    Harness h;
    Road road{h};
    Reach(h, Main);
    QTRY_VERIFY(h.navigator->form1()->isActiveWindow());
    QVERIFY(Keys({"ctrl+a", "3"}));
    QTRY_COMPARE(Child<QComboBox>(h.navigator->form1(), "Combo1")->currentText(),
                 QStringLiteral("3"));
    const QString app = QCoreApplication::applicationName();
    // The first question also starts the accessibility bus, which the program joins then.
    QTRY_VERIFY_WITH_TIMEOUT(Probe({"focused", app}).contains(QStringLiteral("text|入力項目数|3")),
                             15000);
    QStringList heard = Probe({"listen", "3"}, [&] {
        Click(h.navigator->form1(), "Command3");
        road.odds({"2", "3", "6"});
        road.result(); // rejected
    });
    QVERIFY2(heard.contains(QStringLiteral(
                 "notification|適切な組み合わせは存在しまん 倍率のより高いものを入力してください")),
             qPrintable(heard.join(QLatin1Char(';'))));

    Click(h.navigator->form1(), "Command3");
    road.odds({"3", "4", "7"});
    road.result();
    // The keys go where the window manager puts the focus: on the stake window, as a click would.
    for (int asked = 0; asked < 3; ++asked) {
        QVERIFY(Run(QStringLiteral("xdotool"), {"windowactivate", WindowId(h.navigator->form3())}));
        if (QTest::qWaitFor([&] { return h.navigator->form3()->isActiveWindow(); }, 3000))
            break;
    }
    QVERIFY(h.navigator->form3()->isActiveWindow());
    QVERIFY(Keys({"alt+s", "Down", "alt+y"}));
    QVERIFY(Run(QStringLiteral("xdotool"), {"type", "10000"}));
    QTRY_COMPARE(BoxTexts(h.navigator->form3(), 21, 21), QStringList{"10000"});
    const QString expected = "(1) の賭け金|4600|この項目に賭ける金額。払戻額 13800、損益分岐 2.2\n"
                             "(2) の賭け金|3400|この項目に賭ける金額。払戻額 13600、損益分岐 3.0\n"
                             "(3) の賭け金|2000|この項目に賭ける金額。払戻額 14000、損益分岐 5.0";
    QTRY_VERIFY2_WITH_TIMEOUT(
        (heard = Probe({"named", app, QStringLiteral("賭け金"), QStringLiteral("の賭け金")}))
            .join(QLatin1Char('\n'))
            .contains(expected),
        qPrintable(heard.join(QLatin1Char(';'))), 30000);
}

// Under GNOME's own theme (Qt's gtk3 platform theme) at a 14-point font, as a user sets it, every
// window has room for every caption, and the stake window, photographed, shows it. Run by
// desktop_gtk_test, which sets the theme.
void DesktopTest::captionsFitTheDesktopsFont() {
    if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") != QLatin1String("gtk3"))
        QSKIP("desktop_gtk_test runs this under the gtk3 theme at 14 points");
    QCOMPARE(QApplication::font().pointSize(), 14); // the desktop's font, through the theme
    Harness h;
    Reach(h, Stakes);
    Navigator& n = *h.navigator;
    for (const FormId id :
         {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5})
        QVERIFY2(
            CutCaptions(n.window(id)).isEmpty(),
            qPrintable(n.window(id)->objectName() + ": " + CutCaptions(n.window(id)).join(' ')));
    QTRY_VERIFY(n.form3()->isActiveWindow());
    if (const QString picture = qEnvironmentVariable("TENVO_PICTURE"); !picture.isEmpty())
        QVERIFY(n.form3()
                    ->screen()
                    ->grabWindow(0, n.form3()->frameGeometry().x(), n.form3()->frameGeometry().y(),
                                 n.form3()->frameGeometry().width(),
                                 n.form3()->frameGeometry().height())
                    .save(picture));
}

void DesktopTest::keysAfterCalculateReachTheMainWindow_data() {
    QTest::addColumn<int>("delay"); // between keys, in milliseconds
    QTest::newRow("no delay") << 0;
    QTest::newRow("20 ms") << 20;
}

// Keys typed right after (K)計算, while the window manager has yet to move the focus, go to the
// main window, never into the odds window just hidden: the result prices the odds on screen.
void DesktopTest::keysAfterCalculateReachTheMainWindow() {
    QFETCH(int, delay);
    Harness h;
    Navigator& n = *h.navigator;
    Reach(h, Main);
    QTRY_VERIFY(n.form1()->isActiveWindow());
    QVERIFY(Keys({"ctrl+a", "3", "alt+n"}));
    QTRY_VERIFY(n.form2()->isActiveWindow());
    QVERIFY(Run(QStringLiteral("xdotool"), {"type", "3\t"})); // entry 20, then entry 19
    QTRY_COMPARE(QApplication::focusWidget(), n.form2()->entryBox(19));
    for (int k = 1; k <= 3; ++k)
        n.form2()->entryBox(k)->setText(QString::number(k + 2));
    const QStringList typed = BoxTexts(n.form2(), 2, 21);
    QVERIFY(Run(QStringLiteral("xdotool"), {"key", "--clearmodifiers", "--delay",
                                            QString::number(delay), "alt+k", "ctrl+a", "1", "2"}));
    QTRY_VERIFY(n.form1()->isActiveWindow() && !n.form2()->isVisible());
    QTest::qWait(200);
    QCOMPARE(BoxTexts(n.form2(), 2, 21), typed);
    QVERIFY(Keys({"alt+k"})); // the result, for the odds 3, 4 and 5 on screen
    QTRY_VERIFY(n.form3()->isVisible());
    QCOMPARE(BoxTexts(n.form3(), 1, 3), (QStringList{"1800", "1300", "1000"}));
}

// The program itself on this display: its title window comes up, and its close box ends it.
void DesktopTest::tenvoStartsOnItsTitleWindow() {
    QProcess tenvo;
    tenvo.start(QStringLiteral(TENVO_PATH), {});
    QVERIFY(tenvo.waitForStarted());
    const auto managed = [] { // the window manager lists it
        QProcess list;
        list.start(QStringLiteral("wmctrl"), {"-l"});
        return list.waitForFinished() && list.readAllStandardOutput().contains(" Form4\n");
    };
    QTRY_VERIFY(managed());
    QVERIFY(Run(QStringLiteral("wmctrl"), {"-c", "Form4"}));
    QVERIFY(tenvo.waitForFinished(10000));
    QCOMPARE(tenvo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tenvo.exitCode(), 0);
}

} // namespace tenvo

QTEST_MAIN(tenvo::DesktopTest)
#include "desktop_test.moc"
