// SPDX-License-Identifier: MIT
// Start-up: reads the command line before any window exists, so that --help and --version work
// without a display.
#include "app/start_up.h"

#include "app/first_paint.h"
#include "app/sample_tour.h"
#include "core/session.h"
#include "ui/navigator.h"
#include "ui/program_look.h"

#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

namespace tenvo {
namespace {

constexpr const char* kHelp =
    "Usage: tenvo [--sample-tour DIR]\n"
    "Spreads a betting stake over up to twenty entries: choose how many entries take part,\n"
    "type each entry's odds (倍率), and Tenvo checks that they are high enough, gives every\n"
    "entry a stake so that each pays out about the same, and shows the total investment\n"
    "(投資合計金額) and the profit (儲け額) of each entry if it wins.\n"
    "\n"
    "Options:\n"
    "  --sample-tour DIR  drive a sample calculation (3 entries, odds 3, 4, 7) through the\n"
    "                     windows without showing them and save a PNG of each window into\n"
    "                     DIR, which is created if missing and must not be a symbolic link\n"
    "  -h, --help         this help\n"
    "  --version          the version\n"
    "\n"
    "Without a display (no DISPLAY or WAYLAND_DISPLAY), Tenvo takes the sample tour into a\n"
    "new private folder under the temporary folder and prints its path.\n"
    "Qt's own options, such as -platform and -style, are taken as well.\n"
    "\n"
    "Exit status: 0 done; 1 the sample pictures could not be saved; 2 a usage error, or a\n"
    "folder given to --sample-tour that is a link, not a folder, or cannot be made.\n";

// Qt's options that QApplication reads itself.
constexpr const char* kQtOptions[] = {
    "platform", "platformtheme",   "style",        "stylesheet",  "reverse",
    "display",  "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"};
constexpr const char* kQtFlags[] = {"reverse"};

struct Command {
    bool help = false;
    bool version = false;
    std::optional<QString> sampleTour;
};

// What is wrong with tenvo's command line, in a sentence for its user.
struct TenvoUsageError {
    QString message;
};

std::variant<Command, TenvoUsageError> ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption tour(QStringLiteral("sample-tour"), QString(), QStringLiteral("DIR"));
    parser.addOptions({help, version, tour});
    for (const char* name : kQtOptions) {
        const bool flag = std::find(std::begin(kQtFlags), std::end(kQtFlags),
                                    std::string_view(name)) != std::end(kQtFlags);
        parser.addOption(flag ? QCommandLineOption(QString::fromLatin1(name))
                              : QCommandLineOption(QString::fromLatin1(name), QString(),
                                                   QStringLiteral("value")));
    }
    if (!parser.parse(arguments))
        return TenvoUsageError{parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return TenvoUsageError{
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0])};
    Command command{parser.isSet(help), parser.isSet(version), std::nullopt};
    if (parser.isSet(tour))
        command.sampleTour = parser.value(tour);
    return command;
}

} // namespace

int StartUp(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("tenvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TENVO_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Tenvo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TENVO_APP_ID));

    const auto read = ReadCommandLine(argc, argv);
    if (const auto* error = std::get_if<TenvoUsageError>(&read)) {
        std::fprintf(stderr, "tenvo: %s\nTry 'tenvo --help' for more information.\n",
                     qPrintable(error->message));
        return kTenvoUsageError;
    }
    const Command& command = std::get<Command>(read);
    if (command.help) {
        std::fputs(kHelp, stdout);
        return kTenvoDone;
    }
    if (command.version) {
        std::printf("tenvo %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return kTenvoDone;
    }

    // A platform that shows nothing (offscreen, minimal) is no display either: the windows would
    // wait for a user who cannot see them.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool showsNothing = platform.startsWith("offscreen") || platform.startsWith("minimal");
    const bool hasDisplay =
        !showsNothing &&
        (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || !platform.isEmpty());
    const bool tour = command.sampleTour || !hasDisplay;
    // Qt looks for the session's runtime folder as it starts; a machine without a session has
    // none, so the tour lends it a private one for the run.
    std::optional<QTemporaryDir> runtime;
    if (tour) {
        if (!command.sampleTour)
            std::puts("No display found: saving pictures of a sample calculation instead.");
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the navigator decides when Tenvo ends
    InstallJapaneseQtTexts();
    if (tour)
        return RunSampleTour(command.sampleTour);
    Session session;
    Navigator navigator(session);
    navigator.start();
    ReportFirstPaint(navigator.window(FormId::Form4));
    return app.exec();
}

} // namespace tenvo
