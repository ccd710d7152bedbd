// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_probe.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdlib>

#include "after_first_paint.h"

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

}  // namespace

void QuitAfterFirstPaintWhenBenchmarking(QWidget& window) {
    if (!qEnvironmentVariableIsSet("VESQUIN_BENCH_QUIT_ON_SHOW")) return;
    AfterFirstPaint(window, [] {
        WaitForDisplay();
        std::_Exit(0);
    });
}

}  // namespace vesquin
