// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The experiment in Spanish words, as a pupil reads it: numbers up to ten spelled
// out, larger ones in digits; both nouns ("tirador", "plato") are masculine, so one
// is "un tirador", "un plato", and "uno de ocho platos" when the noun is left out.

#include <cstdint>
#include <string>

#include "experiment.h"
#include "experiment_tally.h"

namespace vesquin {

// The number as a word before a masculine noun: 1 "un", 4 "cuatro", 10 "diez",
// 12 "12".
std::string NumberBeforeNoun(std::int32_t value);

// The number standing alone, for a masculine noun left out: 1 "uno", 8 "ocho".
std::string NumberAlone(std::int32_t value);

// "un tirador", "cuatro tiradores", "un plato", "ocho platos", "12 platos".
std::string Shooters(std::int32_t count);
std::string Plates(std::int32_t count);

// The puzzle for this experiment, in two sentences. With 4 shooters and 8 plates:
// "Cuatro tiradores eligen, cada uno al azar, uno de ocho platos lanzados a la vez,
// y cada plato elegido se rompe. ¿Cuántos platos rotos es lo más probable, y cuántos
// quedan enteros de media?"
std::string ExperimentStatement(const Experiment& experiment);

// The broken numbers that share the largest simulated count, when more than one
// does: {2, 5, 5} gives "empate entre 2 y 3", {4, 4, 4} "empate entre 1, 2 y 3";
// no tie, or no counts, gives the empty text.
std::string ModalTieText(const ExperimentTally& tally);

}  // namespace vesquin
