// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The experiment as typed or given in a page's address: a whole number of shooters
// and one of plates, in plain digits with blanks around them allowed. A text that is
// no whole number is refused as one below the range, with the same message.

#include <string_view>
#include <variant>

#include "experiment.h"

namespace vesquin {

// "4", " 8 " and "+4" read; "", "4,5", "cuatro", "0" and "11" shooters do not.
std::variant<Experiment, ExperimentFailure> ReadExperiment(std::string_view shootersText,
                                                           std::string_view platesText);

}  // namespace vesquin
