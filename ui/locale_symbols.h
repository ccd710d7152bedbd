// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include "number_text.h"

namespace vesquin {

// The two number symbols of `locale`, the only thing the program takes from the
// user's settings. Spanish (Spain) gives "," and "."; French gives "," and U+202F.
LocaleSymbols SymbolsFromLocale(const QLocale& locale);

}  // namespace vesquin
