// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vesquin {

// For the start-up benchmark (bench/startup-time) only: when the environment
// variable VESQUIN_BENCH_QUIT_ON_SHOW is set, the program ends as soon as `window`'s
// first frame has reached the display, so that a timer around the whole process
// measures exec to window shown. It ends at once, without taking the program down:
// that is not part of starting. The window program and the benchmark's one-label
// window share this, so both are measured alike. Without the variable this does
// nothing.
void QuitAfterFirstPaintWhenBenchmarking(QWidget& window);

}  // namespace vesquin
