// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>
#include <atomic>
#include <tuple>

#include "catalogue_table.h"

namespace vesquin {
namespace {

std::atomic<Language> g_language{Language::Spanish};

const CatalogueEntry* findEntry(std::string_view context, std::string_view id) {
    const auto entries = CatalogueEntries();
    const auto key = std::tie(context, id);
    const auto found = std::lower_bound(
        entries.begin(), entries.end(), key,
        [](const CatalogueEntry& entry, const auto& wanted) { return std::tie(entry.context, entry.id) < wanted; });
    if (found == entries.end() || found->context != context || found->id != id) return nullptr;
    return &*found;
}

// Every language we ship counts as Spanish does: one is singular, anything else plural.
std::size_t pluralIndex(std::int64_t count) { return count == 1 ? 0 : 1; }

std::string_view translated(Language language, std::string_view context, std::string_view id,
                            std::string_view source, std::size_t form) {
    if (language == Language::Spanish) return source;
    const CatalogueEntry* entry = findEntry(context, id);
    if (!entry) return source;
    const std::string_view text = entry->forms[static_cast<std::size_t>(language) - 1][form];
    return text.empty() ? source : text;
}

}  // namespace

void SetLanguage(Language language) { g_language.store(language, std::memory_order_relaxed); }

Language CurrentLanguage() { return g_language.load(std::memory_order_relaxed); }

std::string_view TextIn(Language language, std::string_view context, std::string_view id) {
    return translated(language, context, id, id, 0);
}

std::string_view PluralTextIn(Language language, std::string_view context, std::string_view singular,
                              std::string_view plural, std::int64_t count) {
    const std::size_t form = pluralIndex(count);
    return translated(language, context, singular, form == 0 ? singular : plural, form);
}

std::string_view Text(std::string_view context, std::string_view id) {
    return TextIn(CurrentLanguage(), context, id);
}

std::string_view Text(const Message& message) { return Text(message.context, message.id); }

std::string Text(std::string_view context, std::string_view id,
                 std::initializer_list<Placeholder> placeholders) {
    return FillPlaceholders(Text(context, id), placeholders);
}

std::string_view PluralText(std::string_view context, std::string_view singular,
                            std::string_view plural, std::int64_t count) {
    return PluralTextIn(CurrentLanguage(), context, singular, plural, count);
}

std::string PluralText(std::string_view context, std::string_view singular, std::string_view plural,
                       std::int64_t count, std::initializer_list<Placeholder> placeholders) {
    return FillPlaceholders(PluralText(context, singular, plural, count), placeholders);
}

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<Placeholder> placeholders) {
    std::string text;
    text.reserve(pattern.size());
    while (!pattern.empty()) {
        const std::size_t open = pattern.find('{');
        const std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) break;
        text += pattern.substr(0, open);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value = std::find_if(placeholders.begin(), placeholders.end(),
                                        [name](const Placeholder& p) { return p.name == name; });
        if (value != placeholders.end()) {
            text += value->value;
            pattern.remove_prefix(close + 1);
        } else {
            text += '{';
            pattern.remove_prefix(open + 1);
        }
    }
    text += pattern;
    return text;
}

}  // namespace vesquin
