// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_warm_up.h"

#include <system_error>

#ifdef VESQUIN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace vesquin {
namespace {

#ifdef VESQUIN_HAVE_FONTCONFIG
void WarmUp() {
    // Loads the configuration and the font caches as the process's own; Qt's font
    // database calls FcInit too and then finds them loaded. A failure here is Qt's to
    // meet and report later, as it would without this.
    FcInit();
}
#endif

}  // namespace

StartupWarmUp::StartupWarmUp() {
#ifdef VESQUIN_HAVE_FONTCONFIG
    try {
        worker_ = std::thread(WarmUp);
    } catch (const std::system_error&) {
        // No second thread: the work is done where it was always done, later.
    }
#endif
}

StartupWarmUp::~StartupWarmUp() {
    Finish();
}

void StartupWarmUp::Finish() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace vesquin
