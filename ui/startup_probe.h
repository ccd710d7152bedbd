// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vesquin {

// For the start-up benchmark (bench/startup-time) only: when the environment
// variable VESQUIN_BENCH_QUIT_ON_SHOW is set, the program ends as soon as
// `window` has painted for the first time, so that a timer around the whole
// process measures exec to window shown. Without the variable this does nothing.
void QuitAfterFirstPaintWhenBenchmarking(QWidget& window);

}  // namespace vesquin
