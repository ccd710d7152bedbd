// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A performed run of any experiment as data for other programs, beside RunJson and
// RunCsv (which keep today's three fixed outcomes for the window's puzzle): one entry
// per number of broken plates, written locale-independently ("." decimals, no
// grouping), with the exact theory beside each. The keys are data and stay in Spanish
// whatever the user's language.

#include <string>
#include <string_view>

#include "experiment_record.h"

namespace vesquin {

// One JSON object on one line, then a line break, with the keys in this order:
// version (a string), ensayos, semilla, tiradores, platos, distribucion (an array,
// j = 1 .. min(tiradores, platos), of {rotos, veces, porcentaje, teorico,
// teorico_fraccion}), mas_probable, intactos_media (the rounded mean, as RunJson) and
// intactos_media_exacta (four decimals). porcentaje and teorico have two decimals;
// teorico_fraccion is the reduced probability as a string: "5/12" for two of three
// shooters' plates among six.
std::string ExperimentJson(const ExperimentRecord& record, std::string_view version);

// The long form: a header row, then one row per number of broken plates, "," separated
// and each ending in a line break. Columns: version, ensayos, semilla, tiradores,
// platos, rotos, veces, porcentaje, teorico, teorico_fraccion, mas_probable,
// intactos_media, intactos_media_exacta; the run's own values repeat on every row, so
// that each row reads alone (a spreadsheet's filter, a join on the seed).
std::string ExperimentCsv(const ExperimentRecord& record, std::string_view version);

}  // namespace vesquin
