// SPDX-License-Identifier: MIT
// Setting up a top-level window.
#include "ui/set_up_window.h"

#include "ui/control_table.h"
#include "ui/program_look.h"

#include <QIcon>
#include <QString>
#include <QWidget>

namespace tenvo {

void SetUpWindow(QWidget* window, const char* title, int width, int height, bool keepOnClose) {
    window->setWindowTitle(QString::fromUtf8(title));
    window->setWindowIcon(ProgramIcon());
    window->resize(Pixels(width), Pixels(height));
    window->setAttribute(Qt::WA_DeleteOnClose, !keepOnClose);
}

} // namespace tenvo
