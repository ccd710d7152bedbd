// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case_counting.h"

#include "experiment_theory.h"
#include "experiment_words.h"

namespace vesquin {
namespace {

constexpr std::string_view kTimes = " × ";

std::string grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

std::string product(const std::vector<std::int32_t>& factors) {
    std::string text;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (i > 0) text += kTimes;
        text += std::to_string(factors[i]);
    }
    return text;
}

// What the favourable choices have in common, before the colon.
std::string caseWords(std::int32_t shooters, std::int32_t broken, std::int32_t plates) {
    const std::string all = "los " + NumberAlone(shooters);
    if (shooters == 1) return "el tirador, a cualquiera de los " + Plates(plates);
    if (broken == 1) return all + " al mismo plato";
    if (broken == shooters) return all + " distintos";
    if (broken == shooters - 1) {
        return shooters == 3 ? "dos coinciden y el otro no"
                             : "dos coinciden y los otros " + NumberAlone(shooters - 2) + " no";
    }
    return Plates(broken) + " distintos";
}

// The groupings as a factor, in words that say what they count.
std::string groupingWords(std::int32_t shooters, std::int32_t broken, std::int64_t groupings,
                          const LocaleSymbols& symbols) {
    if (broken == shooters - 1) return grouped(groupings, symbols) + " parejas";
    return grouped(groupings, symbols) + " maneras de repartir los " + Shooters(shooters) + " en " +
           NumberAlone(broken) + " grupos";
}

}  // namespace

std::vector<CaseCount> CountCases(const Experiment& experiment, const LocaleSymbols& symbols) {
    const std::int32_t k = experiment.shooters();
    const std::int32_t n = experiment.plates();
    std::vector<CaseCount> counts;
    for (std::int32_t j = 1; j <= experiment.mostBroken(); ++j) {
        CaseCount count;
        count.platesBroken = j;
        count.groupings = GroupingsOf(k, j);
        for (std::int32_t i = 0; i < j; ++i) count.factors.push_back(n - i);
        count.favourable = count.groupings * FallingProduct(n, j);
        count.text = caseWords(k, j, n) + ": ";
        if (count.groupings > 1)
            count.text += groupingWords(k, j, count.groupings, symbols) + std::string(kTimes);
        count.text += product(count.factors);
        if (count.groupings > 1 || j > 1) count.text += " = " + grouped(count.favourable, symbols);
        counts.push_back(std::move(count));
    }
    return counts;
}

std::string PossibleCasesText(const Experiment& experiment, const LocaleSymbols& symbols) {
    const std::vector<std::int32_t> factors(static_cast<std::size_t>(experiment.shooters()),
                                            experiment.plates());
    std::string text = "casos posibles: " + product(factors);
    if (factors.size() > 1) {
        text += " = " + grouped(static_cast<std::int64_t>(experiment.equallyLikely()), symbols);
    }
    return text;
}

}  // namespace vesquin
