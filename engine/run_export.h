// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A performed run as data for other programs: JSON and CSV with fixed names, the
// same numbers the window shows but written locale-independently ("." decimals, no
// grouping), so that scripts and spreadsheets read them the same everywhere.

#include <cstdint>
#include <string>
#include <string_view>

#include "experiment_run.h"

namespace vesquin {

// Intact plates per trial to four decimals, rounded half away from zero on the exact
// ratio: 3472 intact plates in 1000 trials give "3.4720", 2 in 3 give "0.6667".
// `intactTotal` is at least 0 and `trials` at least 1.
std::string ExactMeanText(std::int64_t intactTotal, std::int32_t trials);

// One JSON object on one line, then a line break, with the keys in this order:
// version (a string), ensayos, semilla, veces {uno, dos, tres} (counts), porcentajes
// {uno, dos, tres} (two decimals), teoricos {uno, dos, tres} (2.78, 41.67, 55.56),
// mas_probable, intactos_media (the rounded mean the window shows) and
// intactos_media_exacta (four decimals). Every value but version is a JSON number.
std::string RunJson(const RunRecord& record, std::string_view version);

// The same fields as RunJson as one header row and one data row, "," separated,
// each ending in a line break; the nested keys are flattened: veces_uno,
// porcentaje_uno, teorico_uno and so on.
std::string RunCsv(const RunRecord& record, std::string_view version);

}  // namespace vesquin
