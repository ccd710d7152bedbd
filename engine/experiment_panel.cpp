// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_panel.h"

#include "case_counting.h"
#include "case_grid.h"
#include "experiment_theory.h"
#include "experiment_words.h"

namespace vesquin {
namespace {

template <typename Value>
std::string TwoDecimals(const Value& value, const LocaleSymbols& symbols) {
    return PatternFormat(value, Pattern::TwoDecimals, symbols);
}

std::string Grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

std::string ChoicesText(const Experiment& experiment, const LocaleSymbols& symbols) {
    std::string product;
    for (std::int32_t i = 0; i < experiment.shooters(); ++i)
        product += (i ? " × " : "") + std::to_string(experiment.plates());
    const std::string total =
        Grouped(static_cast<std::int64_t>(experiment.equallyLikely()), symbols);
    const std::string plates = std::to_string(experiment.plates());
    if (experiment.shooters() == 1) {
        return "El tirador elige uno de los " + plates + " platos: hay " + total +
               " elecciones igualmente probables.";
    }
    return "Cada tirador elige uno de los " + plates + " platos: hay " + product + " = " + total +
           " elecciones igualmente probables.";
}

}  // namespace

std::string BrokenLabel(std::int32_t platesBroken) {
    return platesBroken == 1 ? "Se rompe un solo plato" : "Rompen " + Plates(platesBroken);
}

std::string BrokenName(std::int32_t platesBroken) {
    return Capitalised(Plates(platesBroken));
}

std::vector<Quotient> BrokenPercentages(const ExperimentTally& tally, std::int32_t trials) {
    std::vector<Quotient> percent;
    for (const std::int32_t count : tally.brokenCounts)
        percent.push_back(Quotient{std::int64_t{count} * 100, trials < 1 ? 1 : trials});
    return percent;
}

std::vector<BrokenFrequencies> RunningFrequencies(const ExperimentRecord& record) {
    std::vector<BrokenFrequencies> points;
    points.reserve(record.checkpoints.size());
    for (const ExperimentTallyAt& at : record.checkpoints) {
        if (at.trials < 1) continue;
        BrokenFrequencies point{at.trials, {}};
        for (const Quotient& percent : BrokenPercentages(at.tally, at.trials))
            point.percent.push_back(percent.value());
        points.push_back(std::move(point));
    }
    return points;
}

std::string GridKeyText(std::int32_t platesBroken, std::int64_t cells,
                        const LocaleSymbols& symbols) {
    return BrokenName(platesBroken) + (platesBroken == 1 ? " roto: " : " rotos: ") +
           Grouped(cells, symbols);
}

std::string GridTooLargeText(const Experiment& experiment, const LocaleSymbols& symbols) {
    return "Hay " + Grouped(static_cast<std::int64_t>(experiment.equallyLikely()), symbols) +
           " elecciones, demasiadas para dibujarlas una a una (se dibujan hasta " +
           Grouped(static_cast<std::int64_t>(kMostDrawnCases), symbols) + ").";
}

ExperimentPanelTexts ComposeExperimentPanel(const Experiment& experiment,
                                            const ExperimentEntry* entry,
                                            const LocaleSymbols& symbols) {
    const ExperimentTheory theory = TheoryOf(experiment);
    const std::string total = Grouped(theory.equallyLikely, symbols);
    ExperimentPanelTexts texts;
    texts.statement = ExperimentStatement(experiment);
    texts.choices = ChoicesText(experiment, symbols);
    texts.source = "Cada probabilidad cuenta, entre las " + total +
                   " elecciones igualmente probables, las que rompen ese número de platos, y "
                   "divide: casos favorables entre casos posibles.";
    texts.simulatedTitle = "Simulación";
    for (const BrokenTheory& broken : theory.broken) {
        texts.broken.push_back(TheoryLine{
            BrokenLabel(broken.platesBroken), Grouped(broken.favourable, symbols) + " de " + total,
            FractionText(broken.probability), PercentText(broken.percent, symbols), ""});
    }
    texts.modal = TheoryLine{"Número más probable de platos rotos", "", "",
                             std::to_string(theory.modalBroken), ""};
    texts.meanIntact =
        TheoryLine{"Platos intactos, por término medio", "", FractionText(theory.meanIntact),
                   TwoDecimals(theory.meanIntact.value(), symbols), ""};
    texts.meanBroken =
        TheoryLine{"Platos rotos, por término medio", "", FractionText(theory.meanBroken),
                   TwoDecimals(theory.meanBroken.value(), symbols), ""};
    texts.possibleCases = PossibleCasesText(experiment, symbols);
    for (const CaseCount& count : CountCases(experiment, symbols))
        texts.cases.push_back(count.text);
    texts.laplace = kLaplaceRule;
    if (!entry) return texts;

    const ExperimentRecord& run = entry->record;
    texts.simulatedTitle = "Simulación nº " + std::to_string(entry->number) + "\n(" +
                           Grouped(run.trials, symbols) +
                           (run.trials == 1 ? " ensayo)" : " ensayos)");
    const std::vector<Quotient> percent = BrokenPercentages(run.tally, run.trials);
    for (std::size_t j = 0; j < percent.size() && j < texts.broken.size(); ++j)
        texts.broken[j].simulated = PercentText(percent[j], symbols);
    texts.modal.simulated = std::to_string(ModalBroken(run.tally));
    const std::string tie = ModalTieText(run.tally);
    if (!tie.empty()) texts.modal.simulated += " (" + tie + ")";
    const std::int32_t trials = run.trials < 1 ? 1 : run.trials;
    const Quotient meanIntact{run.tally.intactTotal, trials};
    texts.meanIntact.simulated = TwoDecimals(meanIntact, symbols);
    texts.meanBroken.simulated = TwoDecimals(
        Quotient{experiment.plates() * meanIntact.divisor - meanIntact.numerator, trials}, symbols);
    return texts;
}

}  // namespace vesquin
