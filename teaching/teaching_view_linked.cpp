// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Compiled into every program that links the teaching view (an interface source of
// vesquin_teaching), so that its window makes the view in-process, not from the module.

#include "teaching_view.h"
#include "teaching_view_maker.h"

namespace {

const bool kLinkedMakerSet = [] {
    vesquin::LinkedTeachingViewMaker() = [](vesquin::RunHistoryModel& history) -> QWidget* {
        return new vesquin::TeachingView(history);
    };
    return true;
}();

}  // namespace
