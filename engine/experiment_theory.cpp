// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_theory.h"

namespace vesquin {
namespace {

std::int64_t power(std::int64_t base, std::int32_t exponent) {
    std::int64_t result = 1;
    for (std::int32_t i = 0; i < exponent; ++i) result *= base;
    return result;
}

}  // namespace

std::int64_t GroupingsOf(std::int32_t shooters, std::int32_t groups) {
    if (shooters < 1 || groups < 1 || groups > shooters) return 0;
    // S(m, g) = g S(m - 1, g) + S(m - 1, g - 1), row by row: the m-th shooter
    // either joins one of the g groups or stands alone.
    std::vector<std::int64_t> row(static_cast<std::size_t>(groups) + 1, 0);
    row[0] = 1;  // S(0, 0)
    for (std::int32_t m = 1; m <= shooters; ++m) {
        for (std::int32_t g = groups < m ? groups : m; g >= 1; --g) {
            const auto at = static_cast<std::size_t>(g);
            row[at] = g * row[at] + row[at - 1];
        }
        row[0] = 0;
    }
    return row[static_cast<std::size_t>(groups)];
}

std::int64_t FallingProduct(std::int32_t plates, std::int32_t factors) {
    std::int64_t product = 1;
    for (std::int32_t i = 0; i < factors; ++i) product *= plates - i;
    return product;
}

ExperimentTheory TheoryOf(const Experiment& experiment) {
    const std::int32_t k = experiment.shooters();
    const std::int32_t n = experiment.plates();
    ExperimentTheory theory;
    theory.equallyLikely = power(n, k);
    for (std::int32_t j = 1; j <= experiment.mostBroken(); ++j) {
        BrokenTheory outcome;
        outcome.platesBroken = j;
        outcome.groupings = GroupingsOf(k, j);
        outcome.favourable = outcome.groupings * FallingProduct(n, j);
        outcome.probability = Reduced(outcome.favourable, theory.equallyLikely);
        outcome.percent = static_cast<double>(outcome.favourable) * 100.0 /
                          static_cast<double>(theory.equallyLikely);
        if (theory.broken.empty() ||
            outcome.favourable >=
                theory.broken[static_cast<std::size_t>(theory.modalBroken - 1)].favourable) {
            theory.modalBroken = j;
        }
        theory.broken.push_back(outcome);
    }
    const std::int64_t below = power(n, k - 1);
    theory.meanIntact = Reduced(power(n - 1, k), below);
    theory.meanBroken = Reduced(n * below - power(n - 1, k), below);
    return theory;
}

}  // namespace vesquin
