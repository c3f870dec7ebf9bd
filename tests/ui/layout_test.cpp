// SPDX-License-Identifier: MIT
// The windows as a user meets them: every control there once with its caption, nothing outside
// its window or on top of another, the tab order, the sizes, the names a screen reader reads,
// the icon and the title picture.
#include "ui/program_look.h"
#include "ui/text_box.h"
#include "window_harness.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

namespace tenvo {
namespace {

// The controls of a window, by the names they are known by on screen.
QList<QWidget*> Controls(QWidget* window) {
    static const QRegularExpression named(QStringLiteral("^(Text|Label|Command|Combo|Frame)\\d+$"));
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (named.match(child->objectName()).hasMatch())
            controls << child;
    return controls;
}

// Whether a box shows its whole text: painted with the cursor at the end, it has not scrolled
// the first character out of sight.
bool ShowsWhole(QLineEdit* box) {
    box->home(false);
    box->grab();
    const QRect start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    box->end(false);
    box->grab();
    box->home(false);
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect() == start;
}

QStringList Range(const char* prefix, int from, int to) {
    QStringList names;
    for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1)
        names << QString::fromLatin1(prefix) + QString::number(n);
    return names;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void windows_data();
    void windows();
    void captionsFitEveryFont_data();
    void captionsFitEveryFont();
    void countShowsInEveryStyle_data();
    void countShowsInEveryStyle();
    void titlePictureIsDrawn();
    void qtTextsAreJapanese();
};

void LayoutTest::windows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QString>("accessibleName"); // what the window is for
    QTest::addColumn<QStringList>("tabCycle");   // from the first focus on
    QTest::newRow("title") << "Form4" << QSize(239, 336) << "タイトル" << QStringList{"Command1"};
    QTest::newRow("main, the messages passed by Tab")
        << "Form1" << QSize(347, 90) << "入力項目数"
        << QStringList{"Combo1", "Command1", "Command2", "Command3"};
    QTest::newRow("odds, entry 20 first and backwards")
        << "Form2" << QSize(584, 174) << "倍率入力"
        << Range("Text", 21, 2) + QStringList{"Command1"};
    // The amount box is passed by while the stake table's own spread is chosen.
    QTest::newRow("stakes") << "Form3" << QSize(270, 496) << "賭け金"
                            << Range("Text", 1, 21) + Range("Command", 1, 3) +
                                   QStringList{"Combo1"} + Range("Text", 23, 25);
    QTest::newRow("profits") << "Form5" << QSize(270, 360) << "儲け額"
                             << Range("Command", 2, 1) + Range("Text", 20, 1);
}

void LayoutTest::windows() {
    QFETCH(QString, window);
    QFETCH(QSize, clientSize);
    QFETCH(QString, accessibleName);
    QFETCH(QStringList, tabCycle);
    Harness harness;
    QWidget* form = Window(*harness.navigator, window);
    QCOMPARE(form->windowTitle(), window);
    QCOMPARE(form->objectName(), window);
    QCOMPARE(form->size(), clientSize);
    QCOMPARE(form->minimumSize(), clientSize); // smaller, it would hide its controls
    // A screen reader hears a window for what it is, and of no control the program hides.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(form);
    QCOMPARE(heard->role(), QAccessible::Window);
    QCOMPARE(heard->text(QAccessible::Name), accessibleName);
    QVERIFY(heard->childCount() > 0);
    for (int i = 0; i < heard->childCount(); ++i) {
        QVERIFY(!qobject_cast<QWidget*>(heard->child(i)->object())->isHidden());
        QCOMPARE(heard->indexOfChild(heard->child(i)), i);
    }
    QCOMPARE(form->windowIcon().availableSizes().size(), 5); // the task bar's sizes, all drawn

    const QList<QWidget*> controls = Controls(form);

    // The layout's twips round to pixels, and two of its controls touch or pass an edge by one
    // pixel (the count field and the odds button, the calculate button and its window's right
    // edge): a pixel's slack.
    const auto inner = [](const QRect& r) { return r.adjusted(1, 1, -1, -1); };
    for (QWidget* control : controls) {
        QVERIFY(control->width() >= 16 && control->height() >= 16); // room for a caption
        // Whole inside its window or frame.
        QVERIFY2(control->parentWidget()->rect().contains(inner(control->geometry())),
                 qPrintable(control->objectName()));
        // A screen reader has a name to read for every control.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible && !accessible->text(QAccessible::Name).isEmpty());
        if (auto* button = qobject_cast<QPushButton*>(control))
            QVERIFY(!button->isDefault() && !button->autoDefault()); // Enter presses nothing
        if (auto* label = qobject_cast<QLabel*>(control)) // captions read from the top left
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        // Nothing a user can click into lies on top of another such control.
        if (!(control->focusPolicy() & Qt::ClickFocus) || !control->isVisibleTo(form))
            continue;
        for (QWidget* other : controls) {
            if (other == control || !(other->focusPolicy() & Qt::ClickFocus) ||
                !other->isVisibleTo(form))
                continue;
            const QRect a = inner(QRect(control->mapTo(form, QPoint()), control->size()));
            const QRect b = inner(QRect(other->mapTo(form, QPoint()), other->size()));
            QVERIFY2(!a.intersects(b),
                     qPrintable(control->objectName() + " overlaps " + other->objectName()));
        }
        // A click on it, at its top edge too, lands on it: no caption lies on top.
        for (const QPoint& at :
             {QPoint(1, 1), QPoint(control->width() / 2, 1), control->rect().center()}) {
            QWidget* hit = form->childAt(control->mapTo(form, at));
            QVERIFY2(hit == control || control->isAncestorOf(hit),
                     qPrintable(control->objectName()));
        }
    }
    // Every access key of a window is its own.
    QStringList keys;
    for (QWidget* control : controls)
        if (const QString caption =
                control->property("text").toString() + control->property("title").toString();
            caption.contains(QLatin1Char('&')))
            keys << caption.mid(caption.indexOf(QLatin1Char('&')) + 1, 1).toUpper();
    QCOMPARE(keys.removeDuplicates(), 0);
    // Tab walks the window's order, and comes round to the start.
    harness.navigator->show(Id(window));
    QVERIFY(QTest::qWaitForWindowActive(form));
    for (int i = 0; i <= tabCycle.size(); ++i) {
        QCOMPARE(QApplication::focusWidget()->objectName(), tabCycle[i % tabCycle.size()]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    if (window == QLatin1String("Form3")) { // the spread's access keys reach their controls
        auto* choice = Child<QComboBox>(form, "Combo1");
        QVERIFY(!Child<QLineEdit>(form, "Text22")->isEnabled()); // until a spread is chosen
        choice->setCurrentIndex(1);
        QTest::keyClick(form, Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(form, "Text22"));
        QTest::keyClick(form, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), choice);
    }
    if (window == QLatin1String("Form1") || window == QLatin1String("Form4"))
        return;
    // Entry k's caption lies level with its box, on its left; in the odds window, above it.
    const bool odds = window == QLatin1String("Form2");
    for (int k = 1; k <= 20; ++k) {
        const QWidget* caption =
            Child(form, qPrintable(QStringLiteral("Label%1").arg(!odds && k >= 7 ? k + 1 : k)));
        QWidget* box = Child(form, qPrintable(QStringLiteral("Text%1").arg(odds ? k + 1 : k)));
        QVERIFY2(odds ? caption->x() == box->x() && caption->y() < box->y()
                      : caption->y() == box->y() && caption->x() < box->x(),
                 qPrintable(caption->objectName()));
        // A screen reader names each box after its entry: "(3) の倍率".
        QVERIFY(QAccessible::queryAccessibleInterface(box)
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("(%1) の").arg(k)));
    }
}

void LayoutTest::captionsFitEveryFont_data() {
    QTest::addColumn<double>("points");
    for (const double points : {8.0, 9.0, 11.0, 14.0, 16.0})
        QTest::addRow("%g points", points) << points;
}

// Whatever the font, every caption and label has room for its text, every box for a line of
// it, and an odds box not being edited shows its odds in the largest half-point size that shows
// them whole, or from its sign where the least size is still too large.
void LayoutTest::captionsFitEveryFont() {
    QFETCH(double, points);
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPointSizeF(points);
    QApplication::setFont(font);
    const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
    Harness harness;
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"}) {
        QWidget* form = Window(*harness.navigator, QString::fromLatin1(name));
        QVERIFY2(CutCaptions(form).isEmpty(), qPrintable(CutCaptions(form).join(' ')));
    }
    harness.navigator->show(FormId::Form2);
    QVERIFY(QTest::qWaitForWindowActive(harness.navigator->form2()));
    QLineEdit* box = harness.navigator->form2()->entryBox(1);
    for (const char* odds : {"7.5", "1234.56", "-12.3456"}) {
        Type(box, QString::fromLatin1(odds));
        harness.navigator->form2()->entryBox(2)->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return !box->hasFocus(); }));
        QCOMPARE(box->cursorPosition(), 0);
        box->grab();
        const bool whole = ShowsWhole(box);
        QVERIFY2(whole || box->font().pointSizeF() == kFigureFloorPointSize, odds);
        // Painted from its first character: the sign, or the first digit, at the left.
        QVERIFY2(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <= 6, odds);
        // In the largest half-point size that shows it whole.
        QFont larger = box->font();
        larger.setPointSizeF(larger.pointSizeF() + 0.5);
        box->setFont(larger);
        QVERIFY2(larger.pointSizeF() > points || !ShowsWhole(box), odds);
    }
}

void LayoutTest::countShowsInEveryStyle_data() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

// The count is drawn in every style Qt offers here: some pixels of the count field have the
// colour of its text.
void LayoutTest::countShowsInEveryStyle() {
    QFETCH(QString, style);
    QStyle* before = QApplication::style();
    const QString beforeName = before->name();
    QApplication::setStyle(style);
    const auto restore = qScopeGuard([&] { QApplication::setStyle(beforeName); });
    Harness harness;
    Reach(harness, Main);
    auto* count = Child<QComboBox>(harness.navigator->form1(), "Combo1");
    count->setEditText(QStringLiteral("8"));
    count->lineEdit()->deselect();
    const QImage drawn = count->grab().toImage();
    const QColor text = count->lineEdit()->palette().color(QPalette::Text);
    int inked = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            inked += std::abs(pixel.lightness() - text.lightness()) < 40 &&
                     std::abs(pixel.lightness() -
                              count->lineEdit()->palette().color(QPalette::Base).lightness()) > 80;
        }
    QVERIFY2(inked >= 4, qPrintable(QStringLiteral("%1 pixels of text").arg(inked)));
}

// The title picture is drawn unscaled at the top left, and has a twin for a scale factor of 2.
void LayoutTest::titlePictureIsDrawn() {
    Harness harness;
    const QImage picture(QStringLiteral(":/assets/title.png"));
    const QImage shown = harness.navigator->form4()->grab().toImage();
    int bright = 0;
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 239; x += 7) {
            QCOMPARE(shown.pixelColor(x, y), picture.pixelColor(x, y));
            bright += picture.pixelColor(x, y).blue() > 128;
        }
    QVERIFY(bright > 20); // the points compared are not all black
    // At a fractional scale factor it is drawn smoothly from its twin, not enlarged pixel by
    // pixel from the picture itself.
    const QImage twin(QStringLiteral(":/assets/title@2x.png"));
    for (const qreal ratio : {1.25, 1.5}) {
        const QImage drawn = TitlePicture(picture.size(), ratio).toImage();
        QCOMPARE(drawn.size(), (QSizeF(picture.size()) * ratio).toSize());
        const auto distance = [&](const QImage& other) {
            qint64 sum = 0;
            for (int y = 0; y < drawn.height(); y += 3)
                for (int x = 0; x < drawn.width(); x += 3)
                    sum += std::abs(drawn.pixelColor(x, y).blue() - other.pixelColor(x, y).blue());
            return sum;
        };
        QVERIFY(
            distance(twin.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) <
            distance(picture.scaled(drawn.size())) / 3);
    }
}

// Qt's own texts, such as a box's menu, are in Japanese like the rest of Tenvo.
void LayoutTest::qtTextsAreJapanese() {
    const QTemporaryDir withoutTranslations;
    QVERIFY(!InstallJapaneseQtTexts(withoutTranslations.path()));
    QVERIFY(InstallJapaneseQtTexts());
    Harness harness;
    std::unique_ptr<QMenu> menu(
        harness.navigator->form2()->entryBox(1)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    QVERIFY2(texts.join(QLatin1Char(' ')).contains(QStringLiteral("元に戻す")),
             qPrintable(texts.join(' ')));
}

} // namespace tenvo

QTEST_MAIN(tenvo::LayoutTest)
#include "layout_test.moc"
