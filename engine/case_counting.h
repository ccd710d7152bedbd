// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the theory comes from, as the rule of Laplace counts it: the possible
// cases are the n^k ordered choices, and the favourable ones for j broken plates
// are the ways to group the shooters, S(k, j), times the j falling factors
// n x (n - 1) x ... that give each group its own plate. Every text is Spanish,
// with numbers in the user's symbols.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "experiment.h"
#include "number_text.h"

namespace vesquin {

inline constexpr Message kLaplaceRuleText =
    Msg("laplace rule", "probabilidad = casos favorables / casos posibles (regla de Laplace)");
// The Spanish source; shown through Text(kLaplaceRuleText).
inline constexpr std::string_view kLaplaceRule = kLaplaceRuleText.id;

struct CaseCount {
    std::int32_t platesBroken = 0;
    std::int64_t groupings = 0;         // S(k, j)
    std::vector<std::int32_t> factors;  // n, n - 1, ..., j of them
    std::int64_t favourable = 0;        // groupings times the factors
    // For 3 x 6: "los tres al mismo plato: 6", "dos coinciden y el otro no:
    // 3 parejas × 6 × 5 = 90", "los tres distintos: 6 × 5 × 4 = 120".
    std::string text;

    friend bool operator==(const CaseCount&, const CaseCount&) = default;
};

// One count for each j from 1 to mostBroken().
std::vector<CaseCount> CountCases(const Experiment& experiment, const LocaleSymbols& symbols);

// "casos posibles: 6 × 6 × 6 = 216"; with one shooter, "casos posibles: 6".
std::string PossibleCasesText(const Experiment& experiment, const LocaleSymbols& symbols);

}  // namespace vesquin
