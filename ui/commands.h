// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The commands behind the window's buttons, working on the text boxes alone:
// the boxes are the program's only store between commands.

#include <cstdint>
#include <optional>
#include <variant>

#include "experiment_run.h"
#include "number_text.h"
#include "uniform_source.h"
#include "window_layout.h"

class QString;
class QWidget;

namespace vesquin {

// The maximum the window advertises under the count box, and enforces.
inline constexpr std::int32_t kMaximumTrials = kAdvertisedMaximumTrials;

// Simulate: one run from the text of txtNs, as the user left it, into the eleven
// result boxes; the run performed comes back. On failure no box changes and the
// reason comes back. The window draws its seed from the clock; a test may fix it.
std::variant<RunRecord, RunError> Simulate(const TextBoxes& boxes, UniformSource& source,
                                           const LocaleSymbols& symbols,
                                           std::optional<std::uint64_t> seed = std::nullopt);

// Clear: empties txtNs and then the eleven result boxes, in the order a run writes
// them, and puts the focus in txtNs.
void Clear(const TextBoxes& boxes);

// Shows `message` in a warning titled "Vesquin", then gives the focus back to the
// count box with its text selected, so that the next key typed replaces it.
void TellRunFailure(QWidget* window, const TextBoxes& boxes, const QString& message);

}  // namespace vesquin
