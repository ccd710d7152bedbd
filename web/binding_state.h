// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page's engine functions share: the text handed back, the user's symbols,
// the clock-seeded source of draws, and the run history of this page, which lives as
// long as the page and holds the window's 3 x 6 runs and the teaching panel's own.

#include <cstdint>
#include <optional>
#include <string>

#include "experiment_history.h"
#include "number_text.h"
#include "uniform_source.h"

namespace vesquin::web {

// Keeps `text` until the next call and gives it to the page.
const char* Answer(std::string text);

LocaleSymbols SymbolsOf(const char* decimal, const char* grouping);

ExperimentHistory& History();

UniformSource& Source();

// The page's seed: 0 to 2^53 - 1 fixes the draws; anything else takes one from the clock.
std::optional<std::uint64_t> FixedSeed(double seed);

}  // namespace vesquin::web
