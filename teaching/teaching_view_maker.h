// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the window gets its teaching view without linking Qt Charts: a maker that
// builds the view over the window's run history. A program that links the
// teaching view (the tests, the benchmarks, platforms without run-time modules)
// has the linked maker set before main; the window program has none and loads
// the teaching module, which exports the same maker under kTeachingModuleEntry.
// The module uses the window's own RunHistoryModel and engine (the window
// program exports them), so both sides share one copy of each.

class QWidget;

namespace vesquin {

class RunHistoryModel;

// Returns a new top-level view (the caller owns it) over `history`, which
// outlives it.
using TeachingViewMaker = QWidget* (*)(RunHistoryModel& history);

// The maker linked into this program, or null when the view comes from the module.
inline TeachingViewMaker& LinkedTeachingViewMaker() {
    static TeachingViewMaker maker = nullptr;
    return maker;
}

// The module's C entry point, a TeachingViewMaker.
inline constexpr char kTeachingModuleEntry[] = "vesquin_make_teaching_view";

}  // namespace vesquin
