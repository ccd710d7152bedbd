// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching panel's texts for any experiment, beside one run of it: the exact
// theory for each number of broken plates (favourable cases out of n^k, fraction,
// percentage), the means and the most probable number apart from the
// probabilities, the cases counted as the rule of Laplace counts them, and the
// run's own figures. For 3 x 6 every text of ComposeTheoryPanel reads the same.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exact_quotient.h"
#include "experiment_history.h"
#include "number_text.h"
#include "teaching_figures.h"

namespace vesquin {

struct ExperimentPanelTexts {
    std::string statement;  // the puzzle for this experiment (ExperimentStatement)
    std::string choices;    // "Cada tirador elige uno de los 6 platos: hay 6 × 6 × 6 = 216 ..."
    std::string source;     // where the numbers come from, in one sentence
    std::string simulatedTitle;      // "Simulación" or "Simulación nº 4\n(1.000 ensayos)"
    std::vector<TheoryLine> broken;  // one for each j from 1 to mostBroken()
    TheoryLine modal;                // the most probable number; a tie said beside the run's
    TheoryLine meanIntact;
    TheoryLine meanBroken;
    std::string possibleCases;       // "casos posibles: 6 × 6 × 6 = 216"
    std::vector<std::string> cases;  // "los tres al mismo plato: 6", ... one for each j
    std::string_view laplace = "";   // the rule of Laplace
};

// The panel for `experiment` beside the run of `entry`, which must be a run of the
// same experiment (nullptr: no run to show).
ExperimentPanelTexts ComposeExperimentPanel(const Experiment& experiment,
                                            const ExperimentEntry* entry,
                                            const LocaleSymbols& symbols);

// "Se rompe un solo plato", "Rompen dos platos", ..., "Rompen diez platos".
std::string BrokenLabel(std::int32_t platesBroken);

// The name of j broken plates under its bar and in the legend: "Un plato", "Dos platos".
std::string BrokenName(std::int32_t platesBroken);

// The same, saying that they broke, at the start of a line: "Un plato roto", "Dos platos rotos".
std::string BrokenPlatesName(std::int32_t platesBroken);

// What the charts show, for a screen reader: "Frecuencia relativa, en tanto por ciento,
// de uno, dos y tres platos rotos tras n ensayos; las líneas discontinuas son la
// teoría." and "Porcentaje de uno, dos y tres platos rotos en la simulación (barra
// izquierda) y en la teoría (barra derecha)."; with one shooter, "de un plato roto".
std::string ConvergenceDescription(const Experiment& experiment);
std::string BarsDescription(const Experiment& experiment);

// Trials that broke j plates, in % of the run's trials, exact: [j - 1].
std::vector<Quotient> BrokenPercentages(const ExperimentTally& tally, std::int32_t trials);

// One point per checkpoint: trials, then the % of trials that broke j plates so far.
struct BrokenFrequencies {
    std::int32_t trials = 0;
    std::vector<double> percent;  // [j - 1]
};
std::vector<BrokenFrequencies> RunningFrequencies(const ExperimentRecord& record);

// A drawn grid's key for j broken plates: "Un plato roto: 6", "Dos platos rotos: 90".
std::string GridKeyText(std::int32_t platesBroken, std::int64_t cells,
                        const LocaleSymbols& symbols);

// The words of the page's experiment controls and of the parts of its panel that
// the puzzle's panel did not have.
struct ExperimentPanelWords {
    std::string_view group = "Experimento";
    std::string_view shooters = "Tiradores";
    std::string_view plates = "Platos";
    std::string_view trials = "Ensayos";
    std::string_view simulate = "Simular";
    std::string_view means = "Medias y número más probable";
    std::string_view exact = "Valor exacto";
    std::string_view casesTitle = "De dónde salen los números: los casos igualmente probables";
    std::string_view gridTitle = "Todas las elecciones, una casilla cada una";
    std::string_view gridRows =
        "Cada fila es una elección de los primeros tiradores; cada columna, el plato del último; "
        "el color dice cuántos platos rompe.";
};

// Why no grid is drawn: "Hay 4.096 elecciones, demasiadas para dibujarlas una a una
// (se dibujan hasta 1.296)."
std::string GridTooLargeText(const Experiment& experiment, const LocaleSymbols& symbols);

}  // namespace vesquin
