// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's language: the languages there are, each in its own name; which one the
// page opens in; the switch; and the catalogue's lookups for the page's own words,
// from the same table the window and the command line read.

#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "binding_state.h"
#include "catalogue.h"
#include "json_text.h"
#include "languages.h"

namespace vesquin::web {
namespace {

// The language a list of browser tags asks for, one tag a line: the first we have.
std::optional<Language> FirstKnown(std::string_view tags) {
    while (!tags.empty()) {
        const std::size_t end = tags.find('\n');
        if (const auto language = LanguageFromTag(tags.substr(0, end))) return language;
        if (end == std::string_view::npos) break;
        tags.remove_prefix(end + 1);
    }
    return std::nullopt;
}

}  // namespace
}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// [{"code":"es","name":"Español"},…], in the order a menu lists them.
EMSCRIPTEN_KEEPALIVE const char* vesquin_languages() {
    std::string list;
    for (const Language language : kLanguages) {
        list += (list.empty() ? "{\"code\":" : ",{\"code\":") + JsonString(LanguageCode(language)) +
                ",\"name\":" + JsonString(LanguageName(language)) + "}";
    }
    return Answer("[" + list + "]");
}

// The code of the language the page opens in: the address's ?idioma= (`asked`, with its
// length; a negative length when the address has none) when it names one of ours, else
// the first of the browser's languages (`browserTags`, one a line) that we have, else
// Spanish. "ca-ES" and "ca_ES" both give "ca"; a Spanish tag before a Catalan one gives "es".
EMSCRIPTEN_KEEPALIVE const char* vesquin_page_language(const char* asked, int askedLength,
                                                       const char* browserTags) {
    std::optional<Language> chosen;
    if (askedLength >= 0) chosen = LanguageFromTag(std::string_view(asked, std::size_t(askedLength)));
    if (!chosen) chosen = FirstKnown(browserTags);
    return Answer(std::string(LanguageCode(chosen.value_or(Language::Spanish))));
}

// Shows every text from now on in the language of `code`; gives 0, changing nothing,
// when the code is not one of ours.
EMSCRIPTEN_KEEPALIVE int vesquin_set_language(const char* code) {
    const auto language = LanguageFromTag(code);
    if (!language || LanguageCode(*language) != std::string_view(code)) return 0;
    SetLanguage(*language);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const char* vesquin_text(const char* context, const char* id) {
    return Answer(std::string(Text(context, id)));
}

EMSCRIPTEN_KEEPALIVE const char* vesquin_plural_text(const char* context, const char* singular,
                                                     const char* plural, double count) {
    return Answer(std::string(PluralText(context, singular, plural, static_cast<std::int64_t>(count))));
}

}  // extern "C"
