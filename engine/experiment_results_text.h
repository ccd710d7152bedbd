// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A performed run of any experiment as plain text lines for a terminal, in the
// printed report's words where it has them: the puzzle restated for the experiment,
// one line per number of broken plates with the theory beside it, the most probable
// number, the mean left intact, and the seed that repeats the run.

#include <string>

#include "experiment_record.h"
#include "number_text.h"

namespace vesquin {

// Every line ends in a line break; numbers are in `symbols`. With 3 shooters, 6 plates,
// Spanish symbols and 1.000 trials of seed 42:
//   Tres tiradores eligen, cada uno al azar, uno de seis platos lanzados a la vez, ...
//   (blank)
//   RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.000 VECES
//   (blank)
//   Se rompe un solo plato 24 veces (2,40 %); en teoría, el 2,78 % (1/36)
//   Se rompen dos platos 413 veces (41,30 %); en teoría, el 41,67 % (5/12)
//   Se rompen tres platos 563 veces (56,30 %); en teoría, el 55,56 % (5/9)
//   (blank)
//   El número de platos más probable que se rompe es 3; en teoría, 3
//   El número de platos que queda intacto por término medio es 3,47; en teoría, 3,47 (125/36)
//   (blank)
//   Semilla: 42
// A tie in the counts is said after the most probable number: "es 3 (empate entre 2
// y 3); en teoría, 3".
std::string ExperimentResultsText(const ExperimentRecord& record, const LocaleSymbols& symbols);

}  // namespace vesquin
