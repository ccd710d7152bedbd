// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The translations as the build compiles them from po/*.po (cmake/po_to_cpp.py writes
// catalogue_table.cpp): one entry per source text, sorted by context and then text, with
// its forms in every language but Spanish. An empty form means "not translated".

#include <array>
#include <span>
#include <string_view>

#include "languages.h"

namespace vesquin {

inline constexpr std::size_t kTranslatedLanguages = kLanguages.size() - 1;

struct CatalogueEntry {
    std::string_view context;
    std::string_view id;
    std::string_view idPlural;  // empty unless the text has a plural form
    // [language − 1][0 singular, 1 plural]
    std::array<std::array<std::string_view, 2>, kTranslatedLanguages> forms;
};

std::span<const CatalogueEntry> CatalogueEntries();

}  // namespace vesquin
