// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_texts.h"

#include "exact_quotient.h"
#include "seed_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

std::string grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

std::string plates(std::int32_t count) {
    return std::to_string(count) + (count == 1 ? " plato" : " platos");
}

// The share of `count` in `trials`, exact, as the run's other percentages are written.
std::string sharePercent(std::int32_t count, std::int32_t trials, const LocaleSymbols& symbols) {
    if (trials < 1) return PercentText(0.0, symbols);
    return PercentText(Quotient{std::int64_t{100} * count, trials}, symbols);
}

}  // namespace

std::string TrialLine(const TrialStep& step, const LocaleSymbols& symbols) {
    std::string line = "Ensayo " + grouped(step.trial, symbols) + ": ";
    for (std::size_t i = 0; i < step.choices.size(); ++i) {
        if (i > 0) line += ", ";
        line += std::to_string(step.choices[i]);
    }
    line += " → " + std::to_string(step.broken) + (step.broken == 1 ? " roto" : " rotos");
    return line;
}

std::string TrialOutcomeText(const TrialStep& step) {
    return plates(step.broken) + (step.broken == 1 ? " roto, " : " rotos, ") +
           std::to_string(step.intact) + (step.intact == 1 ? " intacto" : " intactos");
}

const StepControlLabels& StepLabels() {
    static const StepControlLabels labels{
        "Ensayo a ensayo",
        "&Un ensayo",
        "&10 ensayos",
        "1&00 ensayos",
        "&Reproducir",
        "&Pausa",
        "Veloci&dad (ensayos por segundo):",
        "&Empezar de nuevo",
        "Sin &animación",
        "Ensa&yos de la simulación:",
        "Últimos ensayos",
        "Recuento",
        "¿Cuántos platos crees que se romperán más a menudo?",
        "¿Qué porcentaje de veces?",
        "Sin predicción",
        "&Gráficos y teoría",
        "E&nsayo a ensayo",
        "Partes de la vista",
    };
    return labels;
}

std::string StepSeedText(std::uint64_t seed) {
    return "Semilla: " + SeedText(seed);
}

std::string StepProgressText(std::int32_t done, std::int32_t trials, const LocaleSymbols& symbols) {
    return "Ensayos: " + grouped(done, symbols) + " de " + grouped(trials, symbols);
}

std::string StepTallyLine(const StepTally& tally, std::int32_t broken, double theoryPercent,
                          const LocaleSymbols& symbols) {
    const auto index = static_cast<std::size_t>(broken - 1);
    const std::int32_t count = index < tally.counts.size() ? tally.counts[index] : 0;
    const std::string verb = broken == 1 ? "Se rompe 1 plato: " : "Rompen " + plates(broken) + ": ";
    return verb + grouped(count, symbols) + " (" + sharePercent(count, tally.trials, symbols) +
           ") · teoría " + PercentText(theoryPercent, symbols);
}

std::string PredictionText(const Prediction& prediction, const LocaleSymbols& symbols) {
    return plates(prediction.broken) + ", " + grouped(prediction.percent, symbols) + "\u00A0%";
}

namespace {

// The sentence from the theory's most frequent number and its percentage.
std::string SentenceAgainst(const std::optional<Prediction>& prediction, const StepTally& tally,
                            std::int32_t theoryModal, double theoryPercent,
                            const LocaleSymbols& symbols) {
    std::string sentence;
    if (prediction) sentence = "Tu predicción: " + PredictionText(*prediction, symbols) + ". ";
    // The modal count, ties to the larger number, as the window's box writes it.
    std::size_t modal = 0;
    for (std::size_t i = 1; i < tally.counts.size(); ++i)
        if (tally.counts[i] >= tally.counts[modal]) modal = i;
    const std::int32_t count = tally.counts.empty() ? 0 : tally.counts[modal];
    sentence += "Simulación: " + plates(static_cast<std::int32_t>(modal) + 1) + ", " +
                sharePercent(count, tally.trials, symbols) + ". ";
    sentence += "Teoría: " + plates(theoryModal) + ", " + PercentText(theoryPercent, symbols) + ".";
    return sentence;
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
