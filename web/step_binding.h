// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's trial-by-trial run, for the teaching panel's charts, which follow it
// as it grows.

#include "trial_steps.h"

namespace vesquin::web {

// The step run while it has trials and has not yet joined the history; else null.
const StepRun* GrowingStepRun();

}  // namespace vesquin::web
