// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chance_margin.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "catalogue.h"
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

namespace {

// The verdict on one frequency, either as a sentence of its own or after an outcome's name
// ("Dos platos rotos: a 0,52 veces el margen de la teoría, dentro del margen.").
std::string Verdict(double frequency, double p, std::int32_t n, const LocaleSymbols& symbols,
                    std::string_view outcome) {
    const double units = MarginUnits(frequency, p, n);
    const bool inside = InsideMargin(frequency, p, n);
    const std::string times = PatternFormat(units, Pattern::TwoDecimals, symbols);
    const bool far = units == std::numeric_limits<double>::max();
    if (outcome.empty()) {
        if (far) {
            return std::string(
                inside ? Text("margin verdict",
                              "Lejos de la teoría, que no deja margen, dentro del margen.")
                       : Text("margin verdict",
                              "Lejos de la teoría, que no deja margen, fuera del margen."));
        }
        return inside ? Text("margin verdict",
                             "A {times} veces el margen de la teoría, dentro del margen.",
                             {{"times", times}})
                      : Text("margin verdict",
                             "A {times} veces el margen de la teoría, fuera del margen.",
                             {{"times", times}});
    }
    // Translators: {outcome} is "Dos platos rotos"
    if (far) {
        return inside
                   ? Text("margin line",
                          "{outcome}: lejos de la teoría, que no deja margen, dentro del margen.",
                          {{"outcome", outcome}})
                   : Text("margin line",
                          "{outcome}: lejos de la teoría, que no deja margen, fuera del margen.",
                          {{"outcome", outcome}});
    }
    return inside ? Text("margin line",
                         "{outcome}: a {times} veces el margen de la teoría, dentro del margen.",
                         {{"outcome", outcome}, {"times", times}})
                  : Text("margin line",
                         "{outcome}: a {times} veces el margen de la teoría, fuera del margen.",
                         {{"outcome", outcome}, {"times", times}});
}

}  // namespace

std::string MarginVerdictText(double frequency, double p, std::int32_t n,
                              const LocaleSymbols& symbols) {
    return Verdict(frequency, p, n, symbols, {});
}

std::array<std::string, 3> RunMarginLines(const RunRecord& run, const LocaleSymbols& symbols) {
    const std::array<Message, 3> outcomes{Msg("margin line outcome", "Un plato roto"),
                                          Msg("margin line outcome", "Dos platos rotos"),
                                          Msg("margin line outcome", "Tres platos rotos")};
    std::array<std::string, 3> lines;
    if (run.trials < 1) return lines;
    const std::array<Quotient, 3> percent = OutcomePercentages(run.tally, run.trials);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = Verdict(percent[i].value() / 100, Theory().outcomes[i].percent / 100, run.trials,
                           symbols, Text(outcomes[i]));
    }
    return lines;
}

std::vector<std::string> RunMarginLines(const ExperimentRecord& run, const LocaleSymbols& symbols) {
    std::vector<std::string> lines;
    if (run.trials < 1) return lines;
    const std::vector<Quotient> percent = BrokenPercentages(run.tally, run.trials);
    const ExperimentTheory theory = TheoryOf(run.experiment);
    for (std::size_t i = 0; i < percent.size() && i < theory.broken.size(); ++i) {
        const std::int32_t broken = theory.broken[i].platesBroken;
        lines.push_back(Verdict(percent[i].value() / 100, theory.broken[i].probability.value(),
                                run.trials, symbols, BrokenPlatesName(broken)));
    }
    return lines;
}

std::string MarginExplanation() {
    return std::string(
        Text("margin explanation",
             "La franja sombreada es el margen del 95 %: en cada número de ensayos, unas 95 "
             "de cada 100 simulaciones quedan dentro de ella; una simulación que se mueve dentro "
             "de la franja hace lo que hace el azar, y la franja se estrecha a medida que crecen "
             "los ensayos."));
}

std::string MarginToggleLabel() {
    return std::string(Text("margin check box", "&Margen del 95 %"));
}

}  // namespace vesquin
