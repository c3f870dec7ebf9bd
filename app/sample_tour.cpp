// SPDX-License-Identifier: MIT
// The sample tour: clicks the buttons a user would click and photographs each window.
#include "app/sample_tour.h"

#include "core/session.h"
#include "ui/navigator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace tenvo {
namespace {

// The folder the pictures go into, or an empty text after saying why there is none.
QString PrepareFolder(const std::optional<QString>& wanted) {
    if (!wanted) {
        // mkdtemp makes a folder that did not exist, readable by this user only. Qt gives no
        // temporary folder when $TMPDIR names none.
        const QString temporary = QDir::tempPath();
        QByteArray pattern =
            QDir(temporary).filePath(QStringLiteral("tenvo-sample-XXXXXX")).toLocal8Bit();
        if (temporary.isEmpty() || !mkdtemp(pattern.data())) {
            std::fprintf(
                stderr, "tenvo: cannot make a folder for the pictures in '%s'\n",
                qPrintable(temporary.isEmpty() ? qEnvironmentVariable("TMPDIR") : temporary));
            return {};
        }
        return QString::fromLocal8Bit(pattern);
    }
    const QFileInfo info(*wanted);
    if (info.isSymLink()) {
        std::fprintf(stderr, "tenvo: '%s' is a symbolic link; give a folder\n",
                     qPrintable(*wanted));
        return {};
    }
    if (info.exists() && !info.isDir()) {
        std::fprintf(stderr, "tenvo: '%s' is not a folder\n", qPrintable(*wanted));
        return {};
    }
    if (!QDir().mkpath(*wanted)) {
        std::fprintf(stderr, "tenvo: cannot make the folder '%s'\n", qPrintable(*wanted));
        return {};
    }
    return QFileInfo(*wanted).absoluteFilePath();
}

// Writes a new file under the name: whatever stood there, a link planted there included, is
// removed first, and the file is only ever created, never opened through a link.
bool Save(QWidget* window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
           window->grab().save(&file, "PNG");
}

void Click(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents();
}

} // namespace

int RunSampleTour(const std::optional<QString>& wanted) {
    const QString path = PrepareFolder(wanted);
    if (path.isEmpty())
        return wanted ? kTenvoUsageError : kPicturesNotSaved;
    const QDir folder(path);

    Session session;
    Navigator navigator(
        session, [] {},
        [](QWidget*, const QString& text) {
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
        });
    navigator.start();
    QWidget* const title = navigator.window(FormId::Form4);
    bool saved = Save(title, folder, QStringLiteral("1-title.png"));
    Click(title, "Command1");
    QWidget* const main = navigator.window(FormId::Form1);
    main->findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("3"));
    saved &= Save(main, folder, QStringLiteral("2-main.png"));
    Click(main, "Command3");
    QWidget* const odds = navigator.window(FormId::Form2);
    const char* typed[] = {"3", "4", "7"}; // entries 1 to 3: boxes Text2 to Text4
    for (int k = 1; k <= 3; ++k)
        odds->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1))
            ->setText(QString::fromLatin1(typed[k - 1]));
    saved &= Save(odds, folder, QStringLiteral("3-odds.png"));
    Click(odds, "Command1");
    saved &= Save(main, folder, QStringLiteral("4-result.png"));
    Click(main, "Command1");
    QWidget* const stakes = navigator.window(FormId::Form3);
    if (!stakes->isVisible()) { // the odds 3, 4, 7 are accepted
        std::fprintf(stderr, "tenvo: the sample calculation was not accepted\n");
        return kPicturesNotSaved;
    }
    saved &= Save(stakes, folder, QStringLiteral("5-stakes.png"));
    Click(stakes, "Command3");
    saved &= Save(navigator.window(FormId::Form5), folder, QStringLiteral("6-profits.png"));
    // The stake window again, a budget of 10000 spread over the same odds.
    Click(navigator.window(FormId::Form5), "Command1");
    Click(navigator.window(FormId::Form2), "Command1");
    Click(main, "Command1");
    stakes->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
    stakes->findChild<QLineEdit*>(QStringLiteral("Text22"))->setText(QStringLiteral("10000"));
    saved &= Save(stakes, folder, QStringLiteral("7-budget.png"));
    // The stake window once more, made anew in a 14-point font, as a desktop set so shows it.
    QFont larger = QApplication::font();
    larger.setPointSizeF(14);
    QApplication::setFont(larger);
    stakes->close(); // it goes with its close box, and comes back made for the font
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    navigator.show(FormId::Form3);
    saved &= Save(navigator.window(FormId::Form3), folder, QStringLiteral("8-stakes-14pt.png"));
    std::printf("Pictures saved in %s\n", qPrintable(path));
    if (!saved)
        std::fprintf(stderr, "tenvo: some pictures could not be saved in %s\n", qPrintable(path));
    return saved ? kTenvoDone : kPicturesNotSaved;
}

} // namespace tenvo
