// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace vesquin {

// Start-up work that needs no Qt, done on a second thread while the main thread
// connects to the display, which is mostly waiting. Today that is reading the system's
// font configuration, the largest single cost before the window's first paint; Qt
// finds it done when the window asks for its first font.
class StartupWarmUp {
  public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Waits for the work to end. Called before anything can ask for a font, so that
    // the configuration is read once, not by both threads at the same time.
    void Finish();

  private:
    std::thread worker_;
};

}  // namespace vesquin
