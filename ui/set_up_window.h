// SPDX-License-Identifier: MIT
// What every window of Tenvo is as a top-level window: title, icon, size and close box.
#pragma once

class QWidget;

namespace tenvo {

// A top-level window of the given title and client-area size in twips. Unless keepOnClose,
// its close box unloads it: the window and everything it holds are discarded.
void SetUpWindow(QWidget* window, const char* title, int width, int height,
                 bool keepOnClose = false);

} // namespace tenvo
