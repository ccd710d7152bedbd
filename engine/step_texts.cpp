// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_texts.h"

#include "catalogue.h"
#include "exact_quotient.h"
#include "seed_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

std::string grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

std::string plates(std::int32_t count) {
    return PluralText("step plates", "{count} plato", "{count} platos", count,
                      {{"count", std::to_string(count)}});
}

// The share of `count` in `trials`, exact, as the run's other percentages are written.
std::string sharePercent(std::int32_t count, std::int32_t trials, const LocaleSymbols& symbols) {
    if (trials < 1) return PercentText(0.0, symbols);
    return PercentText(Quotient{std::int64_t{100} * count, trials}, symbols);
}

}  // namespace

std::string TrialLine(const TrialStep& step, const LocaleSymbols& symbols) {
    std::string choices;
    for (std::size_t i = 0; i < step.choices.size(); ++i) {
        if (i > 0) choices += ", ";
        choices += std::to_string(step.choices[i]);
    }
    // Translators: {choices} lists the plate each shooter picked, "4, 4, 1"
    return PluralText("step trial line", "Ensayo {trial}: {choices} → {broken} roto",
                      "Ensayo {trial}: {choices} → {broken} rotos", step.broken,
                      {{"trial", grouped(step.trial, symbols)},
                       {"choices", choices},
                       {"broken", std::to_string(step.broken)}});
}

std::string TrialOutcomeText(const TrialStep& step) {
    const std::string broken =
        PluralText("step outcome", "{count} plato roto", "{count} platos rotos", step.broken,
                   {{"count", std::to_string(step.broken)}});
    const std::string intact = PluralText("step outcome", "{count} intacto", "{count} intactos",
                                          step.intact, {{"count", std::to_string(step.intact)}});
    // Translators: "2 platos rotos, 4 intactos"
    return Text("step outcome", "{broken}, {intact}", {{"broken", broken}, {"intact", intact}});
}

StepControlLabels StepLabels() {
    return StepControlLabels{
        std::string(Text("step pane control", "Ensayo a ensayo")),
        std::string(Text("step pane control", "&Un ensayo")),
        std::string(Text("step pane control", "&10 ensayos")),
        std::string(Text("step pane control", "1&00 ensayos")),
        std::string(Text("step pane control", "&Reproducir")),
        std::string(Text("step pane control", "&Pausa")),
        std::string(Text("step pane control", "Veloci&dad (ensayos por segundo):")),
        std::string(Text("step pane control", "&Empezar de nuevo")),
        std::string(Text("step pane control", "Sin &animación")),
        std::string(Text("step pane control", "Ensa&yos de la simulación:")),
        std::string(Text("step pane control", "Últimos ensayos")),
        std::string(Text("step pane control", "Recuento")),
        std::string(
            Text("step pane control", "¿Cuántos platos crees que se romperán más a menudo?")),
        std::string(Text("step pane control", "¿Qué porcentaje de veces?")),
        std::string(Text("step pane control", "Sin predicción")),
        std::string(Text("teaching view tab", "&Gráficos y teoría")),
        std::string(Text("teaching view tab", "E&nsayo a ensayo")),
        std::string(Text("teaching view tabs name", "Partes de la vista")),
    };
}

std::string StepSeedText(std::uint64_t seed) {
    return Text("step pane label", "Semilla: {seed}", {{"seed", SeedText(seed)}});
}

std::string StepProgressText(std::int32_t done, std::int32_t trials, const LocaleSymbols& symbols) {
    return Text("step pane label", "Ensayos: {done} de {trials}",
                {{"done", grouped(done, symbols)}, {"trials", grouped(trials, symbols)}});
}

std::string StepTallyLine(const StepTally& tally, std::int32_t broken, double theoryPercent,
                          const LocaleSymbols& symbols) {
    const auto index = static_cast<std::size_t>(broken - 1);
    const std::int32_t count = index < tally.counts.size() ? tally.counts[index] : 0;
    // Translators: {share} and {theory} are percentages with their sign, "45,95 %"
    return PluralText("step tally line",
                      "Se rompe {broken} plato: {count} ({share}) · teoría {theory}",
                      "Rompen {broken} platos: {count} ({share}) · teoría {theory}", broken,
                      {{"broken", std::to_string(broken)},
                       {"count", grouped(count, symbols)},
                       {"share", sharePercent(count, tally.trials, symbols)},
                       {"theory", PercentText(theoryPercent, symbols)}});
}

std::string PredictionText(const Prediction& prediction, const LocaleSymbols& symbols) {
    // Translators: {percent} is a whole percentage with its sign, "50 %"
    return Text("prediction", "{plates}, {percent}",
                {{"plates", plates(prediction.broken)},
                 {"percent", grouped(prediction.percent, symbols) + "\u00A0%"}});
}

namespace {

// The sentence from the theory's most frequent number and its percentage.
std::string SentenceAgainst(const std::optional<Prediction>& prediction, const StepTally& tally,
                            std::int32_t theoryModal, double theoryPercent,
                            const LocaleSymbols& symbols) {
    // The modal count, ties to the larger number, as the window's box writes it.
    std::size_t modal = 0;
    for (std::size_t i = 1; i < tally.counts.size(); ++i)
        if (tally.counts[i] >= tally.counts[modal]) modal = i;
    const std::int32_t count = tally.counts.empty() ? 0 : tally.counts[modal];
    const std::string simulated = plates(static_cast<std::int32_t>(modal) + 1);
    const std::string simulatedShare = sharePercent(count, tally.trials, symbols);
    const std::string theoryPlates = plates(theoryModal);
    const std::string theoryShare = PercentText(theoryPercent, symbols);
    if (!prediction) {
        return Text("prediction sentence",
                    "Simulación: {simulated}, {simulatedShare}. Teoría: {theory}, {theoryShare}.",
                    {{"simulated", simulated},
                     {"simulatedShare", simulatedShare},
                     {"theory", theoryPlates},
                     {"theoryShare", theoryShare}});
    }
    return Text("prediction sentence",
                "Tu predicción: {prediction}. Simulación: {simulated}, {simulatedShare}. Teoría: "
                "{theory}, {theoryShare}.",
                {{"prediction", PredictionText(*prediction, symbols)},
                 {"simulated", simulated},
                 {"simulatedShare", simulatedShare},
                 {"theory", theoryPlates},
                 {"theoryShare", theoryShare}});
}

}  // namespace

std::string PredictionSentence(const std::optional<Prediction>& prediction, const StepTally& tally,
                               const ExactTheory& theory, const LocaleSymbols& symbols) {
    const auto theoryIndex = static_cast<std::size_t>(theory.modalBroken - 1);
    const double theoryPercent =
        theoryIndex < theory.outcomes.size() ? theory.outcomes[theoryIndex].percent : 0.0;
    return SentenceAgainst(prediction, tally, theory.modalBroken, theoryPercent, symbols);
}

std::string PredictionSentence(const std::optional<Prediction>& prediction, const StepTally& tally,
                               const ExperimentTheory& theory, const LocaleSymbols& symbols) {
    const auto theoryIndex = static_cast<std::size_t>(theory.modalBroken - 1);
    const double theoryPercent =
        theoryIndex < theory.broken.size() ? theory.broken[theoryIndex].percent : 0.0;
    return SentenceAgainst(prediction, tally, theory.modalBroken, theoryPercent, symbols);
}

}  // namespace vesquin
