// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_figures.h"

namespace vesquin {
namespace {

template <typename Value>
std::string TwoDecimals(const Value& value, const LocaleSymbols& symbols) {
    return PatternFormat(value, Pattern::TwoDecimals, symbols);
}

}  // namespace

std::vector<FrequencyPoint> RunningFrequencies(const RunRecord& run) {
    std::vector<FrequencyPoint> points;
    points.reserve(run.checkpoints.size());
    for (const TallyAt& at : run.checkpoints) {
        if (at.trials < 1) continue;
        const std::array<Quotient, 3> percent = OutcomePercentages(at.tally, at.trials);
        points.push_back(FrequencyPoint{
            at.trials, {percent[0].value(), percent[1].value(), percent[2].value()}});
    }
    return points;
}

std::array<Quotient, 3> RunPercentages(const RunRecord& run) {
    return OutcomePercentages(run.tally, run.trials);
}

std::string PercentText(double percent, const LocaleSymbols& symbols) {
    return TwoDecimals(percent, symbols) + "\u00A0%";
}

std::string PercentText(const Quotient& percent, const LocaleSymbols& symbols) {
    return TwoDecimals(percent, symbols) + "\u00A0%";
}

std::string FractionText(const Fraction& fraction) {
    return std::to_string(fraction.numerator) + "/" + std::to_string(fraction.denominator);
}

TheoryPanelTexts ComposeTheoryPanel(const ExactTheory& theory, const HistoryEntry* entry,
                                    const LocaleSymbols& symbols) {
    const std::string total = std::to_string(theory.equallyLikely);
    TheoryPanelTexts texts;
    texts.choices = "Cada tirador elige uno de los 6 platos: hay 6 × 6 × 6 = " + total +
                    " elecciones igualmente probables.";
    texts.simulatedTitle = "Simulación";

    const std::array<const char*, 3> labels{"Se rompe un solo plato", "Rompen dos platos",
                                            "Rompen tres platos"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const OutcomeTheory& outcome = theory.outcomes[i];
        texts.outcomes[i] = TheoryLine{
            labels[i], std::to_string(outcome.favourable) + " de " + total,
            FractionText(outcome.probability), PercentText(outcome.percent, symbols), ""};
    }
    texts.modal = TheoryLine{"Número más probable de platos rotos", "", "",
                             std::to_string(theory.modalBroken), ""};
    texts.meanIntact =
        TheoryLine{"Platos intactos, por término medio", "", FractionText(theory.meanIntact),
                   TwoDecimals(theory.meanIntact.value(), symbols), ""};
    texts.meanBroken =
        TheoryLine{"Platos rotos, por término medio", "", FractionText(theory.meanBroken),
                   TwoDecimals(theory.meanBroken.value(), symbols), ""};
    if (!entry) return texts;

    const RunRecord& run = entry->record;
    const std::string heading =
        entry->runsSummed == 0 ? "Simulación nº " + std::to_string(entry->number)
        : entry->runsSummed == 1
            ? std::string("Total de 1 ejecución")
            : "Total de " +
                  PatternFormat(static_cast<double>(entry->runsSummed), Pattern::Grouped, symbols) +
                  " ejecuciones";
    texts.simulatedTitle =
        heading + "\n(" +
        PatternFormat(static_cast<double>(run.trials), Pattern::Grouped, symbols) +
        (run.trials == 1 ? " ensayo)" : " ensayos)");
    const std::array<Quotient, 3> percent = RunPercentages(run);
    for (std::size_t i = 0; i < percent.size(); ++i)
        texts.outcomes[i].simulated = PercentText(percent[i], symbols);
    texts.modal.simulated = std::to_string(ModalBroken(run.tally));
    const Quotient meanIntact = MeanIntact(run.tally, run.trials);
    texts.meanIntact.simulated = TwoDecimals(meanIntact, symbols);
    texts.meanBroken.simulated = TwoDecimals(
        Quotient{6 * meanIntact.divisor - meanIntact.numerator, meanIntact.divisor}, symbols);
    return texts;
}

}  // namespace vesquin
