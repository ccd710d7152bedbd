// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number symbols of a locale named as the environment names it, without asking the
// C library (whose locales may not be generated, and whose Galician has no grouping
// symbol) and without Qt. The table holds what Qt's locale data says, so that the
// command line and the window read and write "1.000.000" alike under the same settings.

#include <string_view>

#include "number_text.h"

namespace vesquin {

// The symbols for a name such as "es_ES.UTF-8", "fr_FR", "sr_Latn_RS", "gl" or
// "de-AT@euro": the code set and modifier are dropped, then the name is looked up whole,
// then by its language alone (as "es_ZZ" is Spanish), and anything else, "C" and ""
// included, gives "." and ",".
LocaleSymbols SymbolsForLocaleName(std::string_view name);

// The name whose symbols the user's settings ask for: the first non-empty of LC_ALL,
// LC_NUMERIC and LANG, as `variable` gives them (it returns "" for an unset one).
template <typename Lookup>
std::string_view NumericLocaleName(Lookup variable) {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const std::string_view value = variable(name);
        if (!value.empty()) return value;
    }
    return {};
}

}  // namespace vesquin
