// SPDX-License-Identifier: MIT
// The floor for start-up: one empty window, timed to its first paint like Tenvo's title window.
#include <QApplication>
#include <QWidget>

#include "app/first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(239, 336);
    window.show();
    tenvo::ReportFirstPaint(&window);
    return app.exec();
}
