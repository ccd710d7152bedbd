// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine behind one small module: texts go in as UTF-8, JSON texts come out.
// Nothing here computes a number the page shows; the engine does.
import createVesquinEngine from './vesquin_engine.mjs';

// The page's assembly defines vesquinEngineWasm: the engine's WebAssembly in base64.
function engineBinary() {
    const text = atob(vesquinEngineWasm);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
}

export async function loadEngine() {
    const module = await createVesquinEngine({ wasmBinary: engineBinary() });

    // Texts come back byte for byte: a byte order mark the engine puts first (the
    // CSV's) stays, where the usual decoding would drop it.
    const decoder = new TextDecoder('utf-8', { ignoreBOM: true });
    const textAt = (pointer) =>
        decoder.decode(module.HEAPU8.subarray(pointer, module.HEAPU8.indexOf(0, pointer)));

    // Calls an engine function with texts, giving back the text (JSON mostly) it answers.
    // A text may hold NUL characters; the function is given each text's byte length
    // too (as its second argument, after the first text) when `withLength` is set.
    const call = (fn, texts, ...numbers) => callWith(false, fn, texts, ...numbers);
    const callWithLength = (fn, texts, ...numbers) => callWith(true, fn, texts, ...numbers);
    const callWith = (withLength, fn, texts, ...numbers) => {
        const sizes = texts.map((text) => module.lengthBytesUTF8(text));
        const pointers = texts.map((text, i) => {
            const pointer = module._malloc(sizes[i] + 1);
            module.stringToUTF8(text, pointer, sizes[i] + 1);
            return pointer;
        });
        const first = withLength ? [pointers[0], sizes[0]] : pointers.slice(0, 1);
        try {
            const answer = fn(...first, ...pointers.slice(1), ...numbers);
            return answer ? textAt(answer) : '';
        } finally {
            pointers.forEach((pointer) => module._free(pointer));
        }
    };

    // As `call`, with each of the first `counted` texts followed by its byte length.
    const callWithLengths = (fn, counted, texts, ...numbers) => {
        const sizes = texts.map((text) => module.lengthBytesUTF8(text));
        const pointers = texts.map((text, i) => {
            const pointer = module._malloc(sizes[i] + 1);
            module.stringToUTF8(text, pointer, sizes[i] + 1);
            return pointer;
        });
        const given = pointers.flatMap((pointer, i) => (i < counted ? [pointer, sizes[i]] : [pointer]));
        try {
            const answer = fn(...given, ...numbers);
            return answer ? textAt(answer) : '';
        } finally {
            pointers.forEach((pointer) => module._free(pointer));
        }
    };

    return {
        // The window's layout rows, with the maximum hint in the user's symbols.
        window: (symbols) =>
            JSON.parse(call(module._vesquin_window, [symbols.decimal, symbols.grouping])),
        // One run; a seed of null draws one from the clock. `time` is when it ran, as
        // the history shows it.
        simulate: (count, symbols, seed, time) =>
            // The seed stands between the texts and the time in the engine's signature.
            JSON.parse(callWithLength((c, length, d, g, t, n) => module._vesquin_simulate(c, length, d, g, n, t),
                                      [count, symbols.decimal, symbols.grouping, time],
                                      seed === null ? -1 : seed)),
        // A seed as the address gives it: {ok, seed} or {ok: false, message}.
        seed: (text) => JSON.parse(callWithLength(module._vesquin_seed, [text])),
        // The teaching panel for history entry `entry` (0: the latest run), with the
        // number of rows the history holds; with no run, for the set-up `experiment`
        // ({shooters, plates}); in the dark charts' colours when `dark`.
        // entry -1 is the trial-by-trial run while it grows; `large` takes the
        // high-contrast colours.
        teaching: (symbols, entry = 0, experiment = { shooters: 3, plates: 6 }, dark = false, large = false) =>
            JSON.parse(call(module._vesquin_teaching, [symbols.decimal, symbols.grouping], entry,
                            experiment.shooters, experiment.plates, dark ? 1 : 0, large ? 1 : 0)),
        // The words of "Ensayo a ensayo", the margin and Pantalla grande.
        stepWords: () => JSON.parse(call(module._vesquin_step_words, [])),
        // A new trial-by-trial run; a seed of null draws one from the clock. Its state:
        // {shooters, plates, trials, done, finished, seed, seedText, progress, tally,
        // recent, taken, last, sentence, entry}.
        stepStart: (symbols, trials, shooters, plates, seed) =>
            JSON.parse(call(module._vesquin_step_start, [symbols.decimal, symbols.grouping], trials,
                            shooters, plates, seed === null ? -1 : seed)),
        // The next `count` trials, with the prediction (`broken` 0: none) for the run's
        // end, when it joins the history at `time`; the state as for stepStart.
        stepAdvance: (symbols, time, count, broken, percent) =>
            JSON.parse(call(module._vesquin_step_advance, [symbols.decimal, symbols.grouping, time],
                            count, broken, percent)),
        // The experiment panel's words and ranges.
        experimentWords: () => JSON.parse(call(module._vesquin_experiment_words, [])),
        // The experiment as typed: {ok, shooters, plates, statement} or {ok: false, field, message}.
        experiment: (shooters, plates) =>
            JSON.parse(callWithLengths(module._vesquin_experiment, 2, [shooters, plates])),
        // One run of the experiment as typed: {ok, entry, seed, trials, shooters, plates,
        // tally} or {ok: false, field, message}; a seed of null draws one from the clock.
        simulateExperiment: (count, shooters, plates, symbols, seed, time) =>
            JSON.parse(callWithLengths(module._vesquin_experiment_simulate, 3,
                                       [count, shooters, plates, symbols.decimal, symbols.grouping, time],
                                       seed === null ? -1 : seed)),
        // `count` history rows from the `first`-th on: [{number, cells}].
        historyRows: (symbols, first, count) =>
            JSON.parse(call(module._vesquin_history_rows, [symbols.decimal, symbols.grouping], first, count)),
        // What to ask before emptying the history: {question, empty, keep}.
        emptyQuestion: (symbols) =>
            JSON.parse(call(module._vesquin_empty_question, [symbols.decimal, symbols.grouping])),
        // The run history as tab-separated text, or as CSV.
        historyText: (symbols, csv) =>
            call(module._vesquin_history_text, [symbols.decimal, symbols.grouping], csv ? 1 : 0),
        clearHistory: () => module._vesquin_history_clear(),
        // The languages there are, [{code, name}], each name in its own language.
        languages: () => JSON.parse(call(module._vesquin_languages, [])),
        // The code of the language to open in: `asked` is the address's ?idioma= (null
        // without one), `browserLanguages` the browser's list, most wanted first.
        pageLanguage: (asked, browserLanguages) =>
            callWithLength((a, length, tags) => module._vesquin_page_language(a, asked === null ? -1 : length, tags),
                           [asked ?? '', browserLanguages.join('\n')]),
        // Every text from now on in the language of `code` ("ca"); false for a code not ours.
        setLanguage: (code) => {
            const size = module.lengthBytesUTF8(code);
            const pointer = module._malloc(size + 1);
            module.stringToUTF8(code, pointer, size + 1);
            try {
                return module._vesquin_set_language(pointer) === 1;
            } finally {
                module._free(pointer);
            }
        },
        // The catalogue's text in the current language (the Spanish `id` where it has none),
        // and the form for `count` things.
        text: (context, id) => call(module._vesquin_text, [context, id]),
        pluralText: (context, singular, plural, count) =>
            call(module._vesquin_plural_text, [context, singular, plural], count),
        // The printed report's lines from the boxes' texts (a Map of name to text).
        report: (boxes, symbols) => {
            for (const [name, text] of boxes) call(module._vesquin_report_box, [name, text]);
            return JSON.parse(call(module._vesquin_report, [symbols.decimal, symbols.grouping]));
        },
    };
}

// The user's decimal and grouping symbols, from the browser's own locale. A large
// number is asked for because some locales group only from five digits on.
export function localeSymbols(locales = undefined) {
    const parts = new Intl.NumberFormat(locales).formatToParts(1234567.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? '';

    return { decimal: part('decimal') || '.', grouping: part('group') };
}
