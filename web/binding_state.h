// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page's engine functions share: the text handed back, the user's symbols,
// and the run history of this page, which lives as long as the page.

#include <string>

#include "number_text.h"
#include "run_history.h"

namespace vesquin::web {

// Keeps `text` until the next call and gives it to the page.
const char* Answer(std::string text);

LocaleSymbols SymbolsOf(const char* decimal, const char* grouping);

RunHistory& History();

}  // namespace vesquin::web
