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
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            drawn.addFile(QStringLiteral(":/assets/icons/tenvo-%1.png").arg(size));
        return drawn;
    }();
    return icon;
}

bool InstallJapaneseQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tenvo
