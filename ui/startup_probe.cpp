// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QtGlobal>

#include <cstdlib>

#ifdef VESQUIN_PROBE_XCB
#include <xcb/xcb.h>
#endif

namespace vesquin {
namespace {

// Returns once the display has carried out every request sent so far, the first
// frame among them. Only an X server is asked; elsewhere the frame is taken as shown
// once it has been handed over.
void WaitForDisplay() {
#ifdef VESQUIN_PROBE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers too, with no connection of its own.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection)) return;
    // Any request with a reply makes the round trip; this one changes nothing.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

class FirstPaintQuit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // After this paint and its flush to the display, not in the middle of it.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    WaitForDisplay();
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaintWhenBenchmarking(QWidget& window) {
    if (!qEnvironmentVariableIsSet("VESQUIN_BENCH_QUIT_ON_SHOW")) return;
    window.installEventFilter(new FirstPaintQuit(&window));
}

}  // namespace vesquin
