// SPDX-License-Identifier: MIT
// The program's icon and Qt's translation.
#include "ui/program_look.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tenvo {

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        // The sizes a task bar and a window switcher draw; a desktop finds the larger ones
        // through the desktop entry's theme icon. Every size is decoded when a window is
        // shown, so more would slow the start.
        for (int size : {16, 24, 32, 48, 64})
            drawn.addFile(QStringLiteral(":/assets/icons/tenvo-%1.png").arg(size));
        return drawn;
    }();
    return icon;
}

bool InstallJapaneseQtTexts() {
    return InstallJapaneseQtTexts(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallJapaneseQtTexts(const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tenvo
