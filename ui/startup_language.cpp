// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup_language.h"

#include <optional>
#include <string_view>

namespace vesquin {

Language TakeStartupLanguage(int& argc, char** argv) {
    constexpr std::string_view kOption = "--idioma";
    std::optional<Language> asked;
    int kept = argc > 0 ? 1 : 0;
    for (int i = kept; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == kOption) {
            // The value is the next argument; a last "--idioma" with none is dropped.
            if (i + 1 < argc) asked = LanguageFromTag(argv[++i]);
            continue;
        }
        if (argument.starts_with(kOption) && argument.size() > kOption.size() &&
            argument[kOption.size()] == '=') {
            asked = LanguageFromTag(argument.substr(kOption.size() + 1));
            continue;
        }
        argv[kept++] = argv[i];
    }
    // argv[argc] is a null pointer, as Qt expects of the shortened list too.
    if (kept < argc) argv[kept] = nullptr;
    argc = kept;
    return asked.value_or(LanguageFromEnvironment());
}

}  // namespace vesquin
