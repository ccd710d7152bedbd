// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching module's one entry point, which the window program looks up by name
// when the teaching view first opens.

#include <QtGlobal>

#include "teaching_view.h"
#include "teaching_view_maker.h"

extern "C" Q_DECL_EXPORT QWidget* vesquin_make_teaching_view(vesquin::RunHistoryModel& history) {
    return new vesquin::TeachingView(history);
}

// The name looked up and the name defined must not drift apart.
static_assert(sizeof(vesquin::kTeachingModuleEntry) == sizeof("vesquin_make_teaching_view"));
