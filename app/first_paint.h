// SPDX-License-Identifier: MIT
// Start-up timing: with TENVO_REPORT_FIRST_PAINT set, print when a window first paints, then quit.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tenvo {

// Prints "first-paint-ns N", N on the monotonic clock that the timing script also reads.
inline void ReportFirstPaint(QWidget* window) {
    if (!std::getenv("TENVO_REPORT_FIRST_PAINT"))
        return;
    struct Watcher : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint && !m_seen) {
                m_seen = true;
                // Report once the paint that is starting now has been done.
                QTimer::singleShot(0, this, [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf(
                        "first-paint-ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
        bool m_seen = false;
    };
    auto* watcher = new Watcher;
    watcher->setParent(window);
    window->installEventFilter(watcher);
}

} // namespace tenvo
