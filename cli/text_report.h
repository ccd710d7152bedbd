// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The results of a run as the printed report words them, as plain text lines for a
// terminal: the report's own sentences, then the seed that repeats the run.

#include <string>

#include "experiment_run.h"
#include "number_text.h"

namespace vesquin {

// The report of `record` with the numbers in `symbols`, each line ending in a line
// break. The report's column tabs become no indentation, its blank lines at the top
// are dropped and runs of blank lines become one. The heading names the trials of the
// run performed ("1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.000 VECES" with Spanish
// symbols), and the last line is "Semilla: " and the seed in plain digits.
std::string RunReportText(const RunRecord& record, const LocaleSymbols& symbols);

}  // namespace vesquin
