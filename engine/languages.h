// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The languages Vesquin speaks, and how the user's settings choose one. Spanish is the
// source: every text is written in it, and it is what is shown when nothing else is asked
// for. The number symbols are not chosen here: they follow the locale, not the language,
// so a Catalan text under es_ES still writes "1.000.000".

#include <array>
#include <optional>
#include <string_view>

namespace vesquin {

enum class Language { Spanish, Catalan, Galician, Basque, English };

inline constexpr std::array kLanguages = {Language::Spanish, Language::Catalan, Language::Galician,
                                          Language::Basque, Language::English};

// The two-letter code: "es", "ca", "gl", "eu", "en".
std::string_view LanguageCode(Language language);

// The language's own name for itself, as a language menu lists it: "Català".
std::string_view LanguageName(Language language);

// The language a locale name or language tag asks for, when it is one of ours. It reads
// POSIX names ("ca_ES.UTF-8", "ca_ES@valencia") and browser tags ("ca-ES", "EN-gb") alike;
// "C", "POSIX", "" and languages we do not have give nothing.
std::optional<Language> LanguageFromTag(std::string_view tag);

// The variables that choose the language of messages, as the environment holds them
// (a null pointer where one is not set).
struct LanguageSettings {
    const char* language = nullptr;     // LANGUAGE: a list of tags, "gl:es"
    const char* lcAll = nullptr;        // LC_ALL
    const char* lcMessages = nullptr;   // LC_MESSAGES
    const char* lang = nullptr;         // LANG
};

// The first language of LANGUAGE that we have; else the first of LC_ALL, LC_MESSAGES and
// LANG that names one of ours; else Spanish. A "C" or "POSIX" locale met on the way asks
// for the program's own texts, which are Spanish, so it ends the search.
// {language = "fr:ca", lang = "en_GB.UTF-8"} gives Catalan.
Language LanguageFromSettings(const LanguageSettings& settings);

// The same, read from this process's environment.
Language LanguageFromEnvironment();

}  // namespace vesquin
