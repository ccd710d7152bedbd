// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vesquin {

class MainWindow;

// For the teaching view's benchmark and the module's test only: when the environment
// variable VESQUIN_BENCH_OPEN_TEACHING is set, the program opens the teaching view as
// F2 does once `window` has painted, writes "vista de enseñanza: N ms" (from the
// opening to the view's first paint, the module's loading included) on standard
// error and ends; when the view could not be made it ends with status 1 once its
// message has been answered. Without the variable this does nothing.
void OpenTeachingViewWhenBenchmarking(MainWindow& window);

}  // namespace vesquin
