// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <cstdlib>

namespace vesquin {
namespace {

struct LanguageNames {
    Language language;
    std::string_view code;
    std::string_view name;
};

constexpr std::array<LanguageNames, kLanguages.size()> kNames = {{
    {Language::Spanish, "es", "Español"},
    {Language::Catalan, "ca", "Català"},
    {Language::Galician, "gl", "Galego"},
    {Language::Basque, "eu", "Euskara"},
    {Language::English, "en", "English"},
}};

char lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isPosixDefault(std::string_view tag) {
    const std::string_view name = tag.substr(0, tag.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

}  // namespace

std::string_view LanguageCode(Language language) {
    return kNames[static_cast<std::size_t>(language)].code;
}

std::string_view LanguageName(Language language) {
    return kNames[static_cast<std::size_t>(language)].name;
}

std::optional<Language> LanguageFromTag(std::string_view tag) {
    // The language is what comes before the territory, the charset or the modifier.
    const std::string_view primary = tag.substr(0, tag.find_first_of("_-.@"));
    if (primary.size() != 2) return std::nullopt;
    for (const auto& names : kNames) {
        if (lowered(primary[0]) == names.code[0] && lowered(primary[1]) == names.code[1])
            return names.language;
    }
    return std::nullopt;
}

Language LanguageFromSettings(const LanguageSettings& settings) {
    if (settings.language) {
        std::string_view list = settings.language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            if (auto language = LanguageFromTag(list.substr(0, colon))) return *language;
            if (colon == std::string_view::npos) break;
            list.remove_prefix(colon + 1);
        }
    }
    for (const char* locale : {settings.lcAll, settings.lcMessages, settings.lang}) {
        if (!locale || !*locale) continue;
        if (isPosixDefault(locale)) return Language::Spanish;
        if (auto language = LanguageFromTag(locale)) return *language;
    }
    return Language::Spanish;
}

Language LanguageFromEnvironment() {
    return LanguageFromSettings({std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                 std::getenv("LC_MESSAGES"), std::getenv("LANG")});
}

}  // namespace vesquin
