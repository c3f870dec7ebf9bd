// The sample tour: clicks the buttons a user would click and photographs each window.
#include "app/sample_tour.h"

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdio>

namespace tenvo {
namespace {

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    return window->grab().save(folder.filePath(name));
}

void Click(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents();
}

} // namespace

int RunSampleTour() {
    const QDir folder(QDir::temp().filePath(QStringLiteral("tenvo-sample")));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;

    Navigator navigator([] {},
                        [](QWidget*, const QString& text) {
                            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
                        });
    navigator.start();
    bool saved = Save(navigator.form4(), folder, QStringLiteral("1-title.png"));
    Click(navigator.form4(), "Command1");
    navigator.form1()
        ->findChild<QComboBox*>(QStringLiteral("Combo1"))
        ->setEditText(QStringLiteral("3"));
    saved &= Save(navigator.form1(), folder, QStringLiteral("2-main.png"));
    Click(navigator.form1(), "Command3");
    const char* odds[] = {"3", "4", "7"};
    for (int k = 1; k <= 3; ++k)
        navigator.form2()->entryBox(k)->setText(QString::fromLatin1(odds[k - 1]));
    saved &= Save(navigator.form2(), folder, QStringLiteral("3-odds.png"));
    Click(navigator.form2(), "Command1");
    saved &= Save(navigator.form1(), folder, QStringLiteral("4-result.png"));
    Click(navigator.form1(), "Command1");
    saved &= Save(navigator.form3(), folder, QStringLiteral("5-stakes.png"));
    Click(navigator.form3(), "Command3");
    saved &= Save(navigator.form5(), folder, QStringLiteral("6-profits.png"));
    std::printf("Pictures saved in %s\n", qPrintable(folder.absolutePath()));
    return saved ? 0 : 1;
}

} // namespace tenvo
