// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's own words, looked up in the engine's catalogue in the language shown:
// text('chart title', 'Simulación frente a teoría') is the Spanish where the language
// has no translation. These two calls are the extraction keywords of the page's
// scripts (text:1c,2 and pluralText:1c,2,3), so every word written here reaches the
// translators' template. A word the desktop shows too is looked up under the
// desktop's context, so that both say the same and translators see it once.

let catalogue = null;

// The engine whose catalogue the page reads; set once, before anything is drawn.
export function useCatalogue(engine) {
    catalogue = engine;
}

export function text(context, id) {
    return catalogue.text(context, id);
}

export function pluralText(context, singular, plural, count) {
    return catalogue.pluralText(context, singular, plural, count);
}
