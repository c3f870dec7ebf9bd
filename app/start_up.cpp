// Start-up, and the sample tour for machines without a display.
#include "app/start_up.h"

#include "app/first_paint.h"
#include "app/sample_tour.h"
#include "ui/form4.h"
#include "ui/navigator.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace tenvo {

int StartUp(int argc, char** argv) {
    const bool hasDisplay =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (!hasDisplay) {
        std::puts("No display found: saving pictures of a sample calculation instead.");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the navigator decides when Tenvo ends
    if (!hasDisplay)
        return RunSampleTour();
    Navigator navigator;
    navigator.start();
    ReportFirstPaint(navigator.form4());
    return app.exec();
}

} // namespace tenvo
