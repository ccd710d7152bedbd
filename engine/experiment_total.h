// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The total row of a notebook that holds runs of several experiments. Runs of
// different experiments cannot be added up (their counts mean different things),
// so the total adds the runs of one experiment: the teaching view takes the
// experiment of the last run, the one the class has just seen. Twenty-five 3 x 6
// runs of 40 trials give the same total as HistoryTotal.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "experiment_history.h"
#include "experiment_history_text.h"
#include "number_text.h"

namespace vesquin {

struct ExperimentTotal {
    ExperimentEntry entry;        // number 0, no time; the record's seed is 0
    std::int32_t runsSummed = 0;  // how many runs it adds up
};

// Adds `run` to `total` (ExperimentTotal{} before the first run, whose experiment
// it takes), thinning the checkpoints as AddToTotal does. Returns false, and leaves
// `total` as it was, when the run is of another experiment or the sum would pass
// kRunMaximumTrials.
bool AddToExperimentTotal(ExperimentTotal& total, const ExperimentEntry& run);

// The total of the runs of `experiment` in `entries`; none when there are none, or
// they hold more than kRunMaximumTrials trials in all.
std::optional<ExperimentTotal> TotalOfExperiment(std::span<const ExperimentEntry> entries,
                                                 const Experiment& experiment);

// The total's cells: those of a run, with kTotalRowMark for "Nº" and "Hora" and
// "Semilla" left empty.
ExperimentHistoryRow ComposeTotalRow(const ExperimentTotal& total, std::int32_t brokenColumns,
                                     const LocaleSymbols& symbols);

// The heading of the theory panel's simulated column for the total:
// "Total de 25 ejecuciones\n(1.000 ensayos)", in the singular for one.
std::string TotalSimulatedTitle(const ExperimentTotal& total, const LocaleSymbols& symbols);

// The line under a saved picture of the charts, as ChartsCaption, naming the
// experiment when it is not the window's puzzle: "Simulación nº 4: 1.000 ensayos,
// semilla 42, 09/12/2026 11:05:32; cuatro tiradores y ocho platos". `runsSummed`
// is 0 for a run, the total's for the total row.
std::string ExperimentChartsCaption(const ExperimentEntry& entry, const std::string& date,
                                    std::int32_t runsSummed, const LocaleSymbols& symbols);

// ExperimentHistoryTabText and ExperimentHistoryCsv, the total's line last when
// there is one.
std::string ExperimentHistoryTabText(std::span<const ExperimentEntry> entries,
                                     const ExperimentTotal* total, const LocaleSymbols& symbols);
std::string ExperimentHistoryCsv(std::span<const ExperimentEntry> entries,
                                 const ExperimentTotal* total, const LocaleSymbols& symbols);

}  // namespace vesquin
