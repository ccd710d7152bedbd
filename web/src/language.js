// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which language the page speaks, and the menu that changes it. The address chooses
// first (vesquin.html?idioma=ca), then the browser's own list of languages, then
// Spanish; the engine reads the tags, so "ca-ES" means Catalan here as in LANG.
// The number symbols are not chosen here: they follow the browser's locale.
import { text } from './texts.js';

function speak(engine, code) {
    engine.setLanguage(code);
    document.documentElement.lang = code;
}

// Sets the language the page opens in and gives its code. Given more than once in
// the address, the last ?idioma= counts, as the last --idioma does on the command line.
export function startLanguage(engine, search, browserLanguages) {
    const asked = new URLSearchParams(search).getAll('idioma').at(-1) ?? null;
    const code = engine.pageLanguage(asked, browserLanguages);
    speak(engine, code);
    return code;
}

// A labelled menu of every language, each in its own name, inside `host`; choosing
// one makes the page speak it and calls `changed(code)` so that what is shown can be
// written again in it.
export function createLanguageMenu({ engine, host, current, changed }) {
    const label = document.createElement('label');
    label.id = 'languageLabel';
    label.htmlFor = 'languageChoice';
    const menu = document.createElement('select');
    menu.id = 'languageChoice';
    for (const { code, name } of engine.languages()) {
        const option = document.createElement('option');
        option.value = code;
        option.lang = code;
        option.textContent = name;
        menu.append(option);
    }
    menu.value = current;
    host.setAttribute('aria-labelledby', label.id);
    host.replaceChildren(label, ' ', menu);

    const relabel = () => { label.textContent = text('language menu', 'Idioma'); };
    relabel();
    menu.addEventListener('change', () => {
        speak(engine, menu.value);
        relabel();
        changed(menu.value);
    });
    return { element: menu };
}
