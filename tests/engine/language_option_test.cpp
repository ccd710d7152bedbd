// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language_option.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"

namespace vesquin {
namespace {

using Arguments = std::vector<std::string>;

TEST(LanguageOption, TakesExactlyTheFiveCodes) {
    struct Case {
        const char* value;
        std::optional<Language> language;
    };
    for (const Case& c : {Case{"es", Language::Spanish}, Case{"ca", Language::Catalan},
                          Case{"gl", Language::Galician}, Case{"eu", Language::Basque},
                          Case{"en", Language::English}, Case{"", std::nullopt},
                          Case{"fr", std::nullopt}, Case{"CA", std::nullopt},
                          Case{"ca_ES", std::nullopt}, Case{"ca-ES", std::nullopt},
                          Case{" ca", std::nullopt}, Case{"catalan", std::nullopt},
                          Case{"e", std::nullopt}}) {
        EXPECT_EQ(LanguageFromOption(c.value), c.language) << c.value;
    }
}

TEST(LanguageOption, TheLastValueInEitherFormIsRead) {
    struct Case {
        Arguments arguments;
        std::optional<std::string> value;
    };
    for (const Case& c : {Case{{"--ensayos", "10"}, std::nullopt},
                          Case{{"--idioma", "ca"}, "ca"},
                          Case{{"--idioma=gl", "--ensayos", "10"}, "gl"},
                          Case{{"--idioma", "ca", "--idioma=en"}, "en"},
                          Case{{"--idioma=eu", "--idioma", "es"}, "es"},
                          Case{{"--idioma="}, ""},
                          Case{{"--ensayos", "10", "--idioma"}, ""},
                          // A value is a value, even when it looks like an option.
                          Case{{"--idioma", "--idioma=ca"}, "--idioma=ca"},
                          Case{{"--idiomas=ca", "-idioma", "en"}, std::nullopt}}) {
        const auto value = LanguageOptionValue(c.arguments);
        EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, c.value)
            << testing::PrintToString(c.arguments);
    }
}

TEST(LanguageOption, OverridesTheEnvironmentOnlyWithACodeOfOurs) {
    struct Case {
        Arguments arguments;
        LanguageSettings settings;
        Language chosen;
    };
    const LanguageSettings none{};
    const LanguageSettings galicianList{"gl:es", nullptr, nullptr, "ca_ES.UTF-8"};
    const LanguageSettings catalanLocale{nullptr, "ca_ES.UTF-8", nullptr, "en_GB.UTF-8"};
    const LanguageSettings englishLang{nullptr, nullptr, nullptr, "en_GB.UTF-8"};
    const LanguageSettings posix{"", "C", nullptr, "eu_ES.UTF-8"};
    for (const Case& c : {
             Case{{}, none, Language::Spanish},
             Case{{}, galicianList, Language::Galician},
             Case{{}, catalanLocale, Language::Catalan},
             Case{{}, englishLang, Language::English},
             Case{{}, posix, Language::Spanish},
             Case{{"--idioma", "eu"}, none, Language::Basque},
             Case{{"--idioma", "en"}, galicianList, Language::English},
             Case{{"--idioma=es"}, catalanLocale, Language::Spanish},
             Case{{"--idioma", "ca"}, posix, Language::Catalan},
             Case{{"--idioma", "gl", "--ensayos", "5"}, englishLang, Language::Galician},
             // Refused values leave the settings' language, in which the refusal is told.
             Case{{"--idioma", "fr"}, galicianList, Language::Galician},
             Case{{"--idioma", "EN"}, catalanLocale, Language::Catalan},
             Case{{"--idioma"}, englishLang, Language::English},
         }) {
        EXPECT_EQ(ChosenLanguage(c.arguments, c.settings), c.chosen)
            << testing::PrintToString(c.arguments);
    }
}

TEST(LanguageOption, TheRefusalListsTheCodesInEveryLanguage) {
    for (const Language language : kLanguages) {
        const ScopedLanguage scoped(language);
        const std::string refusal = LanguageRefusal("«fr»");
        EXPECT_NE(refusal.find("«fr»"), std::string::npos) << refusal;
        for (const char* code : {"ca", "gl", "eu", "en", "es"}) {
            EXPECT_NE(refusal.find(code), std::string::npos) << refusal;
        }
    }
    const ScopedLanguage spanish(Language::Spanish);
    EXPECT_EQ(LanguageRefusal("«fr»"), "«fr» no es un idioma: ca, gl, eu, en o es");
}

}  // namespace
}  // namespace vesquin
