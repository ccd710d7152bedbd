// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How far chance lets a run stray from the theory: the band p ± 1,96·√(p(1−p)/n)
// holds the running frequency of about 95 of every 100 runs at each n, and it
// narrows as the trials grow. Probabilities here are fractions of 1, not %.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "experiment_record.h"
#include "experiment_run.h"
#include "number_text.h"

namespace vesquin {

inline constexpr double kMarginZ = 1.96;

struct MarginBand {
    double low = 0;
    double high = 0;

    friend bool operator==(const MarginBand&, const MarginBand&) = default;
};

// The half width 1,96·√(p(1−p)/n); 0 for n below 1. p = 0,5, n = 100 gives 0,098.
double MarginHalfWidth(double p, std::int32_t n);

// The band around p after n trials, clipped to [0, 1]: p = 0,5 and n = 100 give
// 0,402 to 0,598; p = 1/36 and n = 1 give 0 to 0,3499.
MarginBand ChanceBand(double p, std::int32_t n);

// The band as a chart draws it, in %, at CheckpointTrials(lastTrials): about 20
// points a decade, from n = 1 to lastTrials.
struct BandPoint {
    std::int32_t trials = 0;
    double lowPercent = 0;
    double highPercent = 0;
};
std::vector<BandPoint> ChanceBandPoints(double p, std::int32_t lastTrials);

// How far a run's frequency lies from the theory's p, in units of the half width
// (0 when the width is 0 and they agree, a very large number when they do not).
// At most 1 is "inside".
double MarginUnits(double frequency, double p, std::int32_t n);
bool InsideMargin(double frequency, double p, std::int32_t n);

// The theory panel's line for one outcome: "A 0,45 veces el margen de la teoría,
// dentro del margen." or "A 1,73 veces el margen de la teoría, fuera del margen."
std::string MarginVerdictText(double frequency, double p, std::int32_t n,
                              const LocaleSymbols& symbols);

// The theory panel's three lines for a run of the window's puzzle, one per number
// broken: "Un plato roto: a 0,45 veces el margen de la teoría, dentro del margen."
std::array<std::string, 3> RunMarginLines(const RunRecord& run, const LocaleSymbols& symbols);
// The same for a run of any experiment, one line per number broken from one plate up;
// for 3 shooters and 6 plates the lines of the puzzle's run.
std::vector<std::string> RunMarginLines(const ExperimentRecord& run, const LocaleSymbols& symbols);

// The one sentence under the convergence chart that says what the band is.
std::string MarginExplanation();

// The check box that shows the band on the chart.
std::string MarginToggleLabel();

}  // namespace vesquin
