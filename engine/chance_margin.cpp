// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chance_margin.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "experiment_panel.h"
#include "experiment_theory.h"
#include "theory.h"

namespace vesquin {

double MarginHalfWidth(double p, std::int32_t n) {
    if (n < 1) return 0;
    const double q = std::clamp(p, 0.0, 1.0);
    return kMarginZ * std::sqrt(q * (1 - q) / static_cast<double>(n));
}

MarginBand ChanceBand(double p, std::int32_t n) {
    const double half = MarginHalfWidth(p, n);
    return {std::clamp(p - half, 0.0, 1.0), std::clamp(p + half, 0.0, 1.0)};
}

std::vector<BandPoint> ChanceBandPoints(double p, std::int32_t lastTrials) {
    std::vector<BandPoint> points;
    for (const std::int32_t n : CheckpointTrials(lastTrials)) {
        const MarginBand band = ChanceBand(p, n);
        points.push_back({n, 100 * band.low, 100 * band.high});
    }
    return points;
}

double MarginUnits(double frequency, double p, std::int32_t n) {
    const double distance = std::fabs(frequency - p);
    const double half = MarginHalfWidth(p, n);
    if (half > 0) return distance / half;
    return distance == 0 ? 0 : std::numeric_limits<double>::max();
}

bool InsideMargin(double frequency, double p, std::int32_t n) {
    return MarginUnits(frequency, p, n) <= 1;
}

std::string MarginVerdictText(double frequency, double p, std::int32_t n,
                              const LocaleSymbols& symbols) {
    const double units = MarginUnits(frequency, p, n);
    const std::string verdict =
        InsideMargin(frequency, p, n) ? "dentro del margen." : "fuera del margen.";
    if (units == std::numeric_limits<double>::max())
        return "Lejos de la teoría, que no deja margen, " + verdict;
    return "A " + PatternFormat(units, Pattern::TwoDecimals, symbols) +
           " veces el margen de la teoría, " + verdict;
}

std::array<std::string, 3> RunMarginLines(const RunRecord& run, const LocaleSymbols& symbols) {
    static constexpr std::array<const char*, 3> kOutcomes{"Un plato roto", "Dos platos rotos",
                                                          "Tres platos rotos"};
    std::array<std::string, 3> lines;
    if (run.trials < 1) return lines;
    const std::array<Quotient, 3> percent = OutcomePercentages(run.tally, run.trials);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string verdict = MarginVerdictText(
            percent[i].value() / 100, Theory().outcomes[i].percent / 100, run.trials, symbols);
        verdict.front() = verdict.front() == 'A' ? 'a' : 'l';
        lines[i] = std::string(kOutcomes[i]) + ": " + verdict;
    }
    return lines;
}

std::vector<std::string> RunMarginLines(const ExperimentRecord& run,
                                        const LocaleSymbols& symbols) {
    std::vector<std::string> lines;
    if (run.trials < 1) return lines;
    const std::vector<Quotient> percent = BrokenPercentages(run.tally, run.trials);
    const ExperimentTheory theory = TheoryOf(run.experiment);
    for (std::size_t i = 0; i < percent.size() && i < theory.broken.size(); ++i) {
        const std::int32_t broken = theory.broken[i].platesBroken;
        std::string verdict = MarginVerdictText(percent[i].value() / 100,
                                                theory.broken[i].probability.value(), run.trials,
                                                symbols);
        verdict.front() = verdict.front() == 'A' ? 'a' : 'l';
        lines.push_back(BrokenName(broken) + (broken == 1 ? " roto: " : " rotos: ") + verdict);
    }
    return lines;
}

std::string MarginExplanation() {
    return "La franja sombreada es el margen del 95\u00A0%: en cada número de ensayos, unas 95 "
           "de cada 100 simulaciones quedan dentro de ella; una simulación que se mueve dentro "
           "de la franja hace lo que hace el azar, y la franja se estrecha a medida que crecen "
           "los ensayos.";
}

std::string MarginToggleLabel() {
    return "&Margen del 95\u00A0%";
}

}  // namespace vesquin
