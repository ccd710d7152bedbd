// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case_grid.h"

namespace vesquin {

std::optional<CaseGrid> DrawnCases(const Experiment& experiment) {
    const std::uint64_t cases = experiment.equallyLikely();
    if (cases > kMostDrawnCases) return std::nullopt;
    const std::int32_t n = experiment.plates();
    CaseGrid grid;
    grid.columns = n;
    grid.rows = static_cast<std::int32_t>(cases) / n;
    grid.brokenCounts.assign(static_cast<std::size_t>(experiment.mostBroken()), 0);
    grid.broken.reserve(static_cast<std::size_t>(cases));
    for (std::uint64_t cell = 0; cell < cases; ++cell) {
        // The cell's digits in base n are the shooters' plates, the last shooter's lowest.
        std::uint32_t hit = 0;
        std::uint64_t rest = cell;
        for (std::int32_t shooter = 0; shooter < experiment.shooters(); ++shooter) {
            hit |= 1u << (rest % static_cast<std::uint64_t>(n));
            rest /= static_cast<std::uint64_t>(n);
        }
        std::int32_t broken = 0;
        for (; hit != 0; hit &= hit - 1) ++broken;
        grid.broken.push_back(broken);
        ++grid.brokenCounts[static_cast<std::size_t>(broken - 1)];
    }
    return grid;
}

std::size_t CaseCell(const Experiment& experiment, std::span<const std::int32_t> plates) {
    std::size_t cell = 0;
    for (const std::int32_t plate : plates) {
        cell = cell * static_cast<std::size_t>(experiment.plates()) +
               static_cast<std::size_t>(plate - 1);
    }
    return cell;
}

}  // namespace vesquin
