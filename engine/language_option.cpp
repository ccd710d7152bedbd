// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_option.h"

#include <cstdlib>

#include "catalogue.h"

namespace vesquin {

std::optional<Language> LanguageFromOption(std::string_view value) {
    for (const Language language : kLanguages) {
        if (LanguageCode(language) == value) return language;
    }
    return std::nullopt;
}

std::optional<std::string_view> LanguageOptionValue(std::span<const std::string> arguments) {
    std::optional<std::string_view> value;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == kLanguageOption) {
            value = i + 1 < arguments.size() ? std::string_view(arguments[++i]) : std::string_view();
        } else if (argument.starts_with(kLanguageOption) &&
                   argument[kLanguageOption.size()] == '=') {
            value = argument.substr(kLanguageOption.size() + 1);
        }
    }
    return value;
}

Language ChosenLanguage(std::span<const std::string> arguments, const LanguageSettings& settings) {
    if (const auto value = LanguageOptionValue(arguments)) {
        if (const auto language = LanguageFromOption(*value)) return *language;
    }
    return LanguageFromSettings(settings);
}

Language ChosenLanguage(std::span<const std::string> arguments) {
    return ChosenLanguage(arguments, {std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                      std::getenv("LC_MESSAGES"), std::getenv("LANG")});
}

std::string LanguageRefusal(std::string_view quotedValue) {
    // Translators: the codes are what the option takes; keep them as they are.
    return Text("option refusal", "{value} no es un idioma: ca, gl, eu, en o es",
                {{"value", quotedValue}});
}

}  // namespace vesquin
