// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the teaching view draws and writes for one run beside the exact theory:
// the running frequencies for the convergence chart, and the texts of the
// theory panel and of the bars, with the user's number symbols.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "experiment_run.h"
#include "number_text.h"
#include "run_history.h"
#include "theory.h"

namespace vesquin {

// The relative frequencies, in %, of one, two and three broken plates after `trials` trials.
struct FrequencyPoint {
    std::int32_t trials = 0;
    std::array<double, 3> percent{};
};

// One point per checkpoint of the run, in the checkpoints' order.
std::vector<FrequencyPoint> RunningFrequencies(const RunRecord& run);

// A run's own percentages of one, two and three broken plates (count × 100 / trials, exact).
std::array<Quotient, 3> RunPercentages(const RunRecord& run);

// "2,78 %" with Spanish symbols (two decimals, a no-break space before the sign).
// A run's percentage is written from its exact quotient, the theory's from its double.
std::string PercentText(double percent, const LocaleSymbols& symbols);
std::string PercentText(const Quotient& percent, const LocaleSymbols& symbols);

// "5/12".
std::string FractionText(const Fraction& fraction);

// One line of the theory panel. `simulated` is empty when no run is shown.
struct TheoryLine {
    std::string label;       // "Se rompe un solo plato"
    std::string favourable;  // "6 de 216", empty for the summary lines
    std::string fraction;    // "1/36", "125/36"; empty for the most probable number
    std::string theory;      // "2,78 %", "3", "3,47"
    std::string simulated;   // the run's value, the means with two decimals
};

// The panel's words that every experiment shares.
inline constexpr Message kSimulatedColumn = Msg("theory panel column", "Simulación");
inline constexpr Message kModalRow = Msg("theory row", "Número más probable de platos rotos");
inline constexpr Message kMeanIntactRow = Msg("theory row", "Platos intactos, por término medio");
inline constexpr Message kMeanBrokenRow = Msg("theory row", "Platos rotos, por término medio");

// "6 de 216": the cases that give an outcome among all the equally likely ones.
std::string FavourableOfTotal(std::string_view favourable, std::string_view total);

// The simulated column's title over the run's trials: "Simulación nº 4\n(1.000 ensayos)".
std::string SimulatedColumnTitle(std::string_view heading, std::int32_t trials,
                                 const LocaleSymbols& symbols);

struct TheoryPanelTexts {
    std::string choices;  // how the 216 equally likely choices arise
    // "Simulación", "Simulación nº 4\n(1.000 ensayos)" or, for the total row,
    // "Total de 25 ejecuciones\n(1.000 ensayos)".
    std::string simulatedTitle;
    std::array<TheoryLine, 3> outcomes;  // one, two and three broken plates
    TheoryLine modal;                    // the most probable number of broken plates
    TheoryLine meanIntact;               // plates left intact, on average
    TheoryLine meanBroken;               // plates broken, on average
};

// The panel for `theory` beside the run of `entry` (nullptr: no run to show).
TheoryPanelTexts ComposeTheoryPanel(const ExactTheory& theory, const HistoryEntry* entry,
                                    const LocaleSymbols& symbols);

}  // namespace vesquin
