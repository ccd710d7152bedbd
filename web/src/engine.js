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

    // Calls an engine function with texts, giving back the JSON it answers.
    const call = (fn, texts, ...numbers) => {
        const pointers = texts.map((text) => {
            const size = module.lengthBytesUTF8(text) + 1;
            const pointer = module._malloc(size);
            module.stringToUTF8(text, pointer, size);
            return pointer;
        });
        try {
            const answer = fn(...pointers, ...numbers);
            return answer ? module.UTF8ToString(answer) : '';
        } finally {
            pointers.forEach((pointer) => module._free(pointer));
        }
    };

    return {
        // The window's layout rows, with the maximum hint in the user's symbols.
        window: (symbols) =>
            JSON.parse(call(module._vesquin_window, [symbols.decimal, symbols.grouping])),
        // One run; a seed of null draws one from the clock.
        simulate: (count, symbols, seed = null) =>
            JSON.parse(call(module._vesquin_simulate, [count, symbols.decimal, symbols.grouping],
                            seed === null ? -1 : seed)),
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
