// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_figures.h"

#include "catalogue.h"
#include "experiment_panel.h"

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

std::string FavourableOfTotal(std::string_view favourable, std::string_view total) {
    return Text("theory panel cell", "{favourable} de {total}",
                {{"favourable", favourable}, {"total", total}});
}

std::string SimulatedColumnTitle(std::string_view heading, std::int32_t trials,
                                 const LocaleSymbols& symbols) {
    const std::string count = PluralText(
        "theory panel column", "{count} ensayo", "{count} ensayos", trials,
        {{"count", PatternFormat(static_cast<double>(trials), Pattern::Grouped, symbols)}});
    // Translators: {heading} is "Simulación nº 4" or "Total de 25 ejecuciones", {trials}
    // "1.000 ensayos"; the line break keeps the column narrow
    return Text("theory panel column", "{heading}\n({trials})",
                {{"heading", heading}, {"trials", count}});
}

TheoryPanelTexts ComposeTheoryPanel(const ExactTheory& theory, const HistoryEntry* entry,
                                    const LocaleSymbols& symbols) {
    const std::string total = std::to_string(theory.equallyLikely);
    TheoryPanelTexts texts;
    texts.choices = Text("theory panel choices",
                         "Cada tirador elige uno de los 6 platos: hay 6 × 6 × 6 = {total} "
                         "elecciones igualmente probables.",
                         {{"total", total}});
    texts.simulatedTitle = Text(kSimulatedColumn);

    for (std::size_t i = 0; i < texts.outcomes.size(); ++i) {
        const OutcomeTheory& outcome = theory.outcomes[i];
        texts.outcomes[i] = TheoryLine{BrokenLabel(static_cast<std::int32_t>(i) + 1),
                                       FavourableOfTotal(std::to_string(outcome.favourable), total),
                                       FractionText(outcome.probability),
                                       PercentText(outcome.percent, symbols), ""};
    }
    texts.modal =
        TheoryLine{std::string(Text(kModalRow)), "", "", std::to_string(theory.modalBroken), ""};
    texts.meanIntact =
        TheoryLine{std::string(Text(kMeanIntactRow)), "", FractionText(theory.meanIntact),
                   TwoDecimals(theory.meanIntact.value(), symbols), ""};
    texts.meanBroken =
        TheoryLine{std::string(Text(kMeanBrokenRow)), "", FractionText(theory.meanBroken),
                   TwoDecimals(theory.meanBroken.value(), symbols), ""};
    if (!entry) return texts;

    const RunRecord& run = entry->record;
    const std::string heading =
        entry->runsSummed == 0
            ? Text("theory panel column", "Simulación nº {number}",
                   {{"number", std::to_string(entry->number)}})
            : PluralText("theory panel column", "Total de {runs} ejecución",
                         "Total de {runs} ejecuciones", entry->runsSummed,
                         {{"runs", PatternFormat(static_cast<double>(entry->runsSummed),
                                                 Pattern::Grouped, symbols)}});
    texts.simulatedTitle = SimulatedColumnTitle(heading, run.trials, symbols);
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
