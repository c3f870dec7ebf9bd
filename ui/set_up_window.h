// SPDX-License-Identifier: MIT
// What every window of Tenvo is as a top-level window: title, icon, size, close box, and what a
// screen reader makes of it.
#pragma once

class QSize;
class QString;
class QWidget;

namespace tenvo {

struct WindowLook {
    const char* title;          // the title bar's text
    const char* accessibleName; // what a screen reader calls the window: what it is for
    int width;                  // the client area in twips, which is also its least size
    int height;
    bool keepOnClose = false; // otherwise its close box unloads it: it and all it holds go
};

// A place in `window` from which a screen reader hears announcements: a notification with no
// size on screen, which Tab passes by.
QWidget* CreateAnnouncer(QWidget* window);
// Says `text` through the announcer, as a notification that shows up; an empty text withdraws
// it, so that what no longer holds is never read again.
void Announce(QWidget* announcer, const QString& text);

// The client area a window's look gives in twips; none for a window not set up.
QSize WindowTwips(const QWidget* window);

// Makes `window` a top-level window as `look` describes it. A screen reader hears it as a window
// with that name, and never hears of a control the program keeps hidden.
void SetUpWindow(QWidget* window, const WindowLook& look);

} // namespace tenvo
