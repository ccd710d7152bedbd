// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <set>
#include <string>

#include "catalogue.h"
#include "catalogue_table.h"

namespace vesquin {
namespace {

TEST(LanguageFromTag, ReadsLocaleNamesAndBrowserTags) {
    const struct {
        const char* tag;
        std::optional<Language> language;
    } cases[] = {
        {"ca", Language::Catalan},         {"ca_ES.UTF-8", Language::Catalan},
        {"ca_ES@valencia", Language::Catalan}, {"ca-ES", Language::Catalan},
        {"gl_ES", Language::Galician},     {"eu_ES.UTF-8", Language::Basque},
        {"EN-gb", Language::English},      {"en", Language::English},
        {"es_MX.UTF-8", Language::Spanish}, {"es", Language::Spanish},
        {"fr_FR.UTF-8", std::nullopt},     {"C", std::nullopt},
        {"C.UTF-8", std::nullopt},         {"POSIX", std::nullopt},
        {"", std::nullopt},                {"cat", std::nullopt},
        {"e", std::nullopt},               {"_ES", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageFromTag(c.tag), c.language) << c.tag;
}

TEST(LanguageFromSettings, LanguageListFirstThenTheLocaleVariablesElseSpanish) {
    const struct {
        LanguageSettings settings;
        Language language;
    } cases[] = {
        {{}, Language::Spanish},
        {{"gl:es", nullptr, nullptr, "ca_ES.UTF-8"}, Language::Galician},
        {{"fr:de:eu", nullptr, nullptr, nullptr}, Language::Basque},
        {{"fr", nullptr, nullptr, "ca_ES.UTF-8"}, Language::Catalan},
        {{"", "en_GB.UTF-8", "ca_ES.UTF-8", "gl_ES.UTF-8"}, Language::English},
        {{nullptr, "", "ca_ES.UTF-8", "gl_ES.UTF-8"}, Language::Catalan},
        {{nullptr, nullptr, nullptr, "eu_ES.UTF-8"}, Language::Basque},
        {{nullptr, "fr_FR.UTF-8", nullptr, "ca_ES.UTF-8"}, Language::Catalan},
        // A "C" locale asks for the program's own texts.
        {{nullptr, "C", nullptr, "ca_ES.UTF-8"}, Language::Spanish},
        {{nullptr, nullptr, "POSIX", "en_US.UTF-8"}, Language::Spanish},
        {{nullptr, nullptr, nullptr, "C.UTF-8"}, Language::Spanish},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageFromSettings(c.settings), c.language)
            << (c.settings.language ? c.settings.language : "-") << " "
            << (c.settings.lcAll ? c.settings.lcAll : "-") << " "
            << (c.settings.lcMessages ? c.settings.lcMessages : "-") << " "
            << (c.settings.lang ? c.settings.lang : "-");
    }
}

TEST(LanguageCodes, RoundTripThroughTheirTags) {
    std::set<std::string_view> codes;
    for (Language language : kLanguages) {
        EXPECT_EQ(LanguageFromTag(LanguageCode(language)), language);
        EXPECT_FALSE(LanguageName(language).empty());
        codes.insert(LanguageCode(language));
    }
    EXPECT_EQ(codes.size(), kLanguages.size());
}

TEST(FillPlaceholders, PutsNamedValuesInAnyOrder) {
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"{a} de {b}", "2 de 6"},
        {"{b} platos, {a} tiradores", "6 platos, 2 tiradores"},
        {"{a}{a}", "22"},
        {"sin nada", "sin nada"},
        {"{c} queda", "{c} queda"},        // a name with no value stays as written
        {"llave { sola", "llave { sola"},
        {"{ {a}", "{ 2"},
        {"cierre } suelto {a}", "cierre } suelto 2"},
        {"{}", "{}"},
        {"{a", "{a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, {{"a", "2"}, {"b", "6"}}), c.expected) << c.pattern;
}

TEST(FillPlaceholders, ValuesAreNotReadAgainAsPatterns) {
    EXPECT_EQ(FillPlaceholders("«{typed}» y {b}", {{"typed", "{b}"}, {"b", "6"}}), "«{b}» y 6");
}

TEST(CatalogueLookup, SpanishIsTheSourceAndUnknownTextsFallBackToIt) {
    for (Language language : kLanguages) {
        EXPECT_EQ(TextIn(language, "no such context", "Un texto que nadie tradujo"),
                  "Un texto que nadie tradujo");
        EXPECT_EQ(PluralTextIn(language, "no such context", "{count} vez", "{count} veces", 1), "{count} vez");
        EXPECT_EQ(PluralTextIn(language, "no such context", "{count} vez", "{count} veces", 0), "{count} veces");
        EXPECT_EQ(PluralTextIn(language, "no such context", "{count} vez", "{count} veces", 2), "{count} veces");
    }
}

TEST(CatalogueLookup, EveryEntryIsFoundInEveryLanguageWithItsOwnPlaceholders) {
    const std::regex placeholder(R"(\{[A-Za-z_][A-Za-z0-9_]*\})");
    const auto names = [&placeholder](std::string_view text) {
        std::multiset<std::string> found;
        const std::string copy(text);
        for (auto it = std::sregex_iterator(copy.begin(), copy.end(), placeholder); it != std::sregex_iterator(); ++it)
            found.insert(it->str());
        return found;
    };
    ASSERT_FALSE(CatalogueEntries().empty());
    for (const CatalogueEntry& entry : CatalogueEntries()) {
        for (Language language : kLanguages) {
            const std::string_view one = entry.idPlural.empty()
                                             ? TextIn(language, entry.context, entry.id)
                                             : PluralTextIn(language, entry.context, entry.id, entry.idPlural, 1);
            EXPECT_EQ(names(one), names(entry.id)) << entry.context << " | " << entry.id;
            if (language == Language::Spanish) {
                EXPECT_EQ(one, entry.id);
            } else if (!entry.forms[static_cast<std::size_t>(language) - 1][0].empty()) {
                EXPECT_EQ(one, entry.forms[static_cast<std::size_t>(language) - 1][0]);
            }
            if (!entry.idPlural.empty()) {
                EXPECT_EQ(names(PluralTextIn(language, entry.context, entry.id, entry.idPlural, 5)),
                          names(entry.idPlural))
                    << entry.context << " | " << entry.idPlural;
            }
        }
    }
}

TEST(CatalogueLookup, TheCurrentLanguageIsScoped) {
    EXPECT_EQ(CurrentLanguage(), Language::Spanish);
    {
        ScopedLanguage basque(Language::Basque);
        EXPECT_EQ(CurrentLanguage(), Language::Basque);
        {
            ScopedLanguage english(Language::English);
            EXPECT_EQ(CurrentLanguage(), Language::English);
        }
        EXPECT_EQ(CurrentLanguage(), Language::Basque);
    }
    EXPECT_EQ(CurrentLanguage(), Language::Spanish);
}

}  // namespace
}  // namespace vesquin
