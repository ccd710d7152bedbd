// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Assembles vesquin.html: the page's HTML with its style sheets, fonts and scripts
// inlined, and the engine module (WebAssembly inside) inlined with them, so that the
// one file works from disk and asks the network for nothing.
//
//   node build-page.mjs --engine vesquin_engine.mjs --wasm vesquin_engine.wasm
//                       --sources web/src --out vesquin.html
//                       [--font 'Liberation Sans:400:file.woff2' ...]
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const options = { font: [] };
for (let i = 2; i < process.argv.length; i += 2) {
    const name = process.argv[i].replace(/^--/, '');
    const value = process.argv[i + 1];
    if (Array.isArray(options[name])) options[name].push(value); else options[name] = value;
}
for (const required of ['engine', 'wasm', 'sources', 'out']) {
    if (!options[required]) {
        console.error(`build-page: falta --${required}`);
        process.exit(2);
    }
}

const source = (name) => readFileSync(join(options.sources, name), 'utf8');

// The page's modules, in the order they depend on each other. One inline module
// script holds them all: their imports are dropped and their exports made plain.
const modules = ['engine.js', 'texts.js', 'language.js', 'window.js', 'teaching_charts.js', 'history_rows.js', 'experiment_form.js',
                 'case_grid.js', 'step_scene.js', 'step_part.js', 'teaching.js', 'main.js'];
function asPlainScript(text, name) {
    const plain = text
        .replace(/^import\s[^;]*;\s*$/gm, '')
        .replace(/^export\s+\{[^}]*\};?\s*$/gm, '')
        .replace(/^export\s+(default\s+)?(?=(async\s+)?function|const|let|class)/gm, '');
    if (/^\s*(import|export)\s/m.test(plain)) throw new Error(`${name}: import or export left`);
    return `// ${name}\n${plain}`;
}

const engine = readFileSync(options.engine, 'utf8').replace(/^export default createVesquinEngine;?/m, '');
if (/^export\s/m.test(engine)) throw new Error('engine module: unexpected export');
// The engine's WebAssembly, for engine.js to hand to the module.
const wasm = `const vesquinEngineWasm = "${readFileSync(options.wasm).toString('base64')}";`;
const scripts = [wasm, engine, ...modules.map((name) => asPlainScript(source(name), name))].join('\n');

const fontFaces = options.font.map((fontOption) => {
    const [family, weight, file] = fontOption.split(':');
    const data = readFileSync(file).toString('base64');
    return `@font-face { font-family: "${family}"; font-weight: ${weight}; font-style: normal; ` +
        `font-display: block; src: url(data:font/woff2;base64,${data}) format("woff2"); }`;
}).join('\n');

const styles = `<style>\n${fontFaces}\n${source('window.css')}\n${source('teaching.css')}\n${source('step_part.css')}\n</style>\n` +
    `<style media="print">\n${source('print.css')}\n</style>`;

const guard = (text) => {
    if (/<\/(script|style)/i.test(text)) throw new Error('an inline text would end its element early');
    return text;
};
const html = source('page.html')
    .replace('<!-- vesquin:styles -->', () => guard(styles.replace(/<\/?style[^>]*>/g, '')) && styles)
    .replace('<!-- vesquin:script -->', () => `<script type="module">\n${guard(scripts)}\n</script>`);
writeFileSync(options.out, html);
console.log(`${options.out}: ${Buffer.byteLength(html)} bytes`);
