// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notebook of runs of any experiment as text: the table's rows, the clipboard's
// tab-separated text and the CSV file. They are the window's history columns with
// "Predicción" (the pupil's guess, empty where none was made), "Tiradores" and
// "Platos" before "Semilla", and one count and one percentage column
// for every number of broken plates the history's largest experiment can give (three
// at least). A history of 3 x 6 runs keeps every column of the window's history where
// it was but the seed, last still, so that what reads those columns by place goes on
// reading them. A row whose experiment cannot break that many plates leaves those
// cells empty.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "experiment_history.h"
#include "number_text.h"

namespace vesquin {

using ExperimentHistoryRow = std::vector<std::string>;

// The most plates any entry can break, and at least 3: the number of count columns.
std::int32_t HistoryBrokenColumns(std::span<const ExperimentEntry> entries);

// "Nº", "Hora", "Ensayos", "Un plato" ... , "% un plato" ... , "Media de intactos",
// "Mayor desvío (puntos)", "Predicción", "Tiradores", "Platos", "Semilla".
ExperimentHistoryRow ExperimentHistoryHeader(std::int32_t brokenColumns);

// One entry's cells, counts grouped and percentages with two decimals; pass symbols
// without a grouping symbol for plain digits.
ExperimentHistoryRow ComposeExperimentRow(const ExperimentEntry& entry, std::int32_t brokenColumns,
                                          const LocaleSymbols& symbols);

// The largest distance, in percentage points, between a run's percentage of j broken
// plates and the exact one, over every j.
double LargestGapToTheory(const ExperimentRecord& record);

// As HistoryTabText and HistoryCsv, with these columns.
std::string ExperimentHistoryTabText(std::span<const ExperimentEntry> entries,
                                     const LocaleSymbols& symbols);
std::string ExperimentHistoryCsv(std::span<const ExperimentEntry> entries,
                                 const LocaleSymbols& symbols);

}  // namespace vesquin
