// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the user reads goes through these calls: a short context that tells the
// translator where the text appears, and the whole Spanish sentence with named
// placeholders, which is the key into the translations compiled from po/*.po:
//
//   Text("report line", "Se rompen {broken} platos {count} veces")
//   PluralText("step outcome", "{count} plato roto", "{count} platos rotos", n,
//              {{"count", countText}})
//
// Placeholder values arrive already written with the user's symbols (numbers) or isolated
// (typed input): the catalogue only puts them in place, so a language may reorder them.
// The extraction keywords are Text:1c,2, PluralText:1c,2,3 and Msg:1c,2 (scripts/update-catalogue).

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "languages.h"

namespace vesquin {

// A text held in a table before the language is known; `Text(message)` translates it.
struct Message {
    std::string_view context;
    std::string_view id;
};
constexpr Message Msg(std::string_view context, std::string_view id) { return {context, id}; }

struct Placeholder {
    std::string_view name;   // "count" for "{count}"
    std::string_view value;
};

// The language every text is shown in. Each face sets it once at start (the page again
// when its menu changes it); it is Spanish until then.
void SetLanguage(Language language);
Language CurrentLanguage();

// Sets a language for a scope and puts the previous one back: for tests.
class ScopedLanguage {
public:
    explicit ScopedLanguage(Language language) : m_previous(CurrentLanguage()) { SetLanguage(language); }
    ~ScopedLanguage() { SetLanguage(m_previous); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    Language m_previous;
};

// The text in the current language; the Spanish source where it has no translation.
std::string_view Text(std::string_view context, std::string_view id);
std::string_view Text(const Message& message);
std::string Text(std::string_view context, std::string_view id,
                 std::initializer_list<Placeholder> placeholders);

// The form for `count` things: in every language we ship, the singular for exactly one.
std::string_view PluralText(std::string_view context, std::string_view singular,
                            std::string_view plural, std::int64_t count);
std::string PluralText(std::string_view context, std::string_view singular, std::string_view plural,
                       std::int64_t count, std::initializer_list<Placeholder> placeholders);

// The same lookups in a given language, whatever the current one is.
std::string_view TextIn(Language language, std::string_view context, std::string_view id);
std::string_view PluralTextIn(Language language, std::string_view context, std::string_view singular,
                              std::string_view plural, std::int64_t count);

// Puts each "{name}" of `pattern` that has a value in its place; braces that name no
// placeholder are left as they are. "{a} de {b}" with a = 2, b = 6 gives "2 de 6".
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> placeholders);

}  // namespace vesquin
