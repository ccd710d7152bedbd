// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_panel.h"

#include "catalogue.h"

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
        return Text("theory panel choices",
                    "El tirador elige uno de los {plates} platos: hay {total} elecciones "
                    "igualmente probables.",
                    {{"plates", plates}, {"total", total}});
    }
    // Translators: {product} is "6 × 6 × 6", one factor per shooter
    return Text("theory panel choices",
                "Cada tirador elige uno de los {plates} platos: hay {product} = {total} elecciones "
                "igualmente probables.",
                {{"plates", plates}, {"product", product}, {"total", total}});
}

// "uno, dos y tres platos rotos", as the desktop's chart says it; "un plato roto" alone.
std::string BrokenList(const Experiment& experiment) {
    const std::int32_t most = experiment.mostBroken();
    if (most == 1) return std::string(Text("broken list", "un plato roto"));
    std::string list;
    for (std::int32_t j = 1; j < most; ++j) list += (j > 1 ? ", " : "") + NumberAlone(j);
    // Translators: {list} is "uno, dos" and {last} "tres", counts in words
    return Text("broken list", "{list} y {last} platos rotos",
                {{"list", list}, {"last", NumberAlone(most)}});
}

}  // namespace

std::string ConvergenceDescription(const Experiment& experiment) {
    // Translators: {broken} is "uno, dos y tres platos rotos"
    return Text("chart description",
                "Frecuencia relativa, en tanto por ciento, de {broken} tras n ensayos; las líneas "
                "discontinuas son la teoría.",
                {{"broken", BrokenList(experiment)}});
}

std::string BarsDescription(const Experiment& experiment) {
    // Translators: {broken} is "uno, dos y tres platos rotos"
    return Text("chart description",
                "Porcentaje de {broken} en la simulación (barra izquierda) y en la teoría (barra "
                "derecha).",
                {{"broken", BrokenList(experiment)}});
}

std::string BrokenLabel(std::int32_t platesBroken) {
    if (platesBroken == 1) return std::string(Text("theory row", "Se rompe un solo plato"));
    // Translators: {plates} is a count in words, "dos platos"
    return Text("theory row", "Rompen {plates}", {{"plates", Plates(platesBroken)}});
}

std::string BrokenName(std::int32_t platesBroken) {
    return Capitalised(Plates(platesBroken));
}

std::string BrokenPlatesName(std::int32_t platesBroken) {
    return Capitalised(PluralText("broken plates", "{count} plato roto", "{count} platos rotos",
                                  platesBroken, {{"count", NumberBeforeNoun(platesBroken)}}));
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
    // Translators: {outcome} is "Dos platos rotos", {cells} how many cells of the grid
    return Text("case grid key", "{outcome}: {cells}",
                {{"outcome", BrokenPlatesName(platesBroken)}, {"cells", Grouped(cells, symbols)}});
}

std::string GridTooLargeText(const Experiment& experiment, const LocaleSymbols& symbols) {
    return Text(
        "case grid note",
        "Hay {choices} elecciones, demasiadas para dibujarlas una a una (se dibujan hasta "
        "{most}).",
        {{"choices", Grouped(static_cast<std::int64_t>(experiment.equallyLikely()), symbols)},
         {"most", Grouped(static_cast<std::int64_t>(kMostDrawnCases), symbols)}});
}

ExperimentPanelTexts ComposeExperimentPanel(const Experiment& experiment,
                                            const ExperimentEntry* entry,
                                            const LocaleSymbols& symbols) {
    const ExperimentTheory theory = TheoryOf(experiment);
    const std::string total = Grouped(theory.equallyLikely, symbols);
    ExperimentPanelTexts texts;
    texts.statement = ExperimentStatement(experiment);
    texts.choices = ChoicesText(experiment, symbols);
    texts.source = Text("theory panel source",
                        "Cada probabilidad cuenta, entre las {total} elecciones igualmente "
                        "probables, las que rompen ese número de platos, y divide: casos "
                        "favorables entre casos posibles.",
                        {{"total", total}});
    texts.simulatedTitle = Text(kSimulatedColumn);
    for (const BrokenTheory& broken : theory.broken) {
        texts.broken.push_back(
            TheoryLine{BrokenLabel(broken.platesBroken),
                       FavourableOfTotal(Grouped(broken.favourable, symbols), total),
                       FractionText(broken.probability), PercentText(broken.percent, symbols), ""});
    }
    texts.modal =
        TheoryLine{std::string(Text(kModalRow)), "", "", std::to_string(theory.modalBroken), ""};
    texts.meanIntact =
        TheoryLine{std::string(Text(kMeanIntactRow)), "", FractionText(theory.meanIntact),
                   TwoDecimals(theory.meanIntact.value(), symbols), ""};
    texts.meanBroken =
        TheoryLine{std::string(Text(kMeanBrokenRow)), "", FractionText(theory.meanBroken),
                   TwoDecimals(theory.meanBroken.value(), symbols), ""};
    texts.possibleCases = PossibleCasesText(experiment, symbols);
    for (const CaseCount& count : CountCases(experiment, symbols))
        texts.cases.push_back(count.text);
    texts.laplace = Text(kLaplaceRuleText);
    if (!entry) return texts;

    const ExperimentRecord& run = entry->record;
    texts.simulatedTitle =
        SimulatedColumnTitle(Text("theory panel column", "Simulación nº {number}",
                                  {{"number", std::to_string(entry->number)}}),
                             run.trials, symbols);
    const std::vector<Quotient> percent = BrokenPercentages(run.tally, run.trials);
    for (std::size_t j = 0; j < percent.size() && j < texts.broken.size(); ++j)
        texts.broken[j].simulated = PercentText(percent[j], symbols);
    texts.modal.simulated = std::to_string(ModalBroken(run.tally));
    const std::string tie = ModalTieText(run.tally);
    if (!tie.empty()) {
        // Translators: {modal} is a number, {tie} says which numbers tie, "empate entre 1 y 2"
        texts.modal.simulated = Text("theory panel cell", "{modal} ({tie})",
                                     {{"modal", texts.modal.simulated}, {"tie", tie}});
    }
    const std::int32_t trials = run.trials < 1 ? 1 : run.trials;
    const Quotient meanIntact{run.tally.intactTotal, trials};
    texts.meanIntact.simulated = TwoDecimals(meanIntact, symbols);
    texts.meanBroken.simulated = TwoDecimals(
        Quotient{experiment.plates() * meanIntact.divisor - meanIntact.numerator, trials}, symbols);
    return texts;
}

}  // namespace vesquin
