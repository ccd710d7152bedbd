// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case_counting.h"

#include "catalogue.h"
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
// How the shooters' choices fall for one number of broken plates; the counts in words.
std::string caseWords(std::int32_t shooters, std::int32_t broken, std::int32_t plates) {
    const std::string all = NumberAlone(shooters);
    if (shooters == 1) {
        // Translators: {plates} is "seis platos"
        return Text("case counting", "el tirador, a cualquiera de los {plates}",
                    {{"plates", Plates(plates)}});
    }
    // Translators: {all} is the shooters' count in words, "tres"
    if (broken == 1) return Text("case counting", "los {all} al mismo plato", {{"all", all}});
    if (broken == shooters) return Text("case counting", "los {all} distintos", {{"all", all}});
    if (broken == shooters - 1) {
        if (shooters == 3) return std::string(Text("case counting", "dos coinciden y el otro no"));
        // Translators: {others} is a count in words, "dos"
        return Text("case counting", "dos coinciden y los otros {others} no",
                    {{"others", NumberAlone(shooters - 2)}});
    }
    // Translators: {plates} is "dos platos"
    return Text("case counting", "{plates} distintos", {{"plates", Plates(broken)}});
}

// The groupings as a factor, in words that say what they count.
std::string groupingWords(std::int32_t shooters, std::int32_t broken, std::int64_t groupings,
                          const LocaleSymbols& symbols) {
    if (broken == shooters - 1) {
        return PluralText("case counting", "{count} pareja", "{count} parejas", groupings,
                          {{"count", grouped(groupings, symbols)}});
    }
    // Translators: {shooters} is "cuatro tiradores", {groups} a count in words, "dos"
    return PluralText("case counting",
                      "{count} manera de repartir los {shooters} en {groups} grupos",
                      "{count} maneras de repartir los {shooters} en {groups} grupos", groupings,
                      {{"count", grouped(groupings, symbols)},
                       {"shooters", Shooters(shooters)},
                       {"groups", NumberAlone(broken)}});
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
        // The arithmetic, "3 parejas × 6 × 5 = 90", is written the same in every language.
        std::string arithmetic;
        if (count.groupings > 1)
            arithmetic = groupingWords(k, j, count.groupings, symbols) + std::string(kTimes);
        arithmetic += product(count.factors);
        if (count.groupings > 1 || j > 1) arithmetic += " = " + grouped(count.favourable, symbols);
        // Translators: {case} is how the choices fall, "los tres al mismo plato"; {count} the
        // arithmetic, "6"
        count.text = Text("case counting", "{case}: {count}",
                          {{"case", caseWords(k, j, n)}, {"count", arithmetic}});
        counts.push_back(std::move(count));
    }
    return counts;
}

std::string PossibleCasesText(const Experiment& experiment, const LocaleSymbols& symbols) {
    const std::vector<std::int32_t> factors(static_cast<std::size_t>(experiment.shooters()),
                                            experiment.plates());
    std::string arithmetic = product(factors);
    if (factors.size() > 1) {
        arithmetic +=
            " = " + grouped(static_cast<std::int64_t>(experiment.equallyLikely()), symbols);
    }
    // Translators: {count} is "6 × 6 × 6 = 216"
    return Text("case counting", "casos posibles: {count}", {{"count", arithmetic}});
}

}  // namespace vesquin
