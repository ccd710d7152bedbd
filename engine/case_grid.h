// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every ordered choice of a small experiment, laid out to be drawn as a grid of
// cells: one row for each choice of the first k - 1 shooters (the first turning
// slowest), one column for each plate the last shooter can pick, and in each cell
// the number of plates that choice breaks. For 3 x 6: 36 rows of 6.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "experiment.h"

namespace vesquin {

// The most cases drawn one by one: 6^4.
inline constexpr std::uint64_t kMostDrawnCases = 1296;

struct CaseGrid {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::vector<std::int32_t> broken;        // row by row, rows * columns cells
    std::vector<std::int64_t> brokenCounts;  // [j - 1]: cells that break j plates

    friend bool operator==(const CaseGrid&, const CaseGrid&) = default;
};

// The grid, or nothing when the experiment has more than kMostDrawnCases choices.
std::optional<CaseGrid> DrawnCases(const Experiment& experiment);

// The cell of one ordered choice (plates from 1 to n, the first shooter's first):
// row * columns + column. For 3 x 6, plates 1, 1, 1 give 0 and 6, 6, 6 give 215.
// `plates` holds one plate per shooter.
std::size_t CaseCell(const Experiment& experiment, std::span<const std::int32_t> plates);

}  // namespace vesquin
