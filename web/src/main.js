// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's commands, wired as the desktop wires its buttons: Simular runs the
// engine on the count as typed and writes the eleven result boxes; Borrar empties
// them; Imprimir prints the engine's report through the browser; Terminar ends
// the session. The page moves texts between the engine and the controls only.
import { loadEngine, localeSymbols } from './engine.js';
import { createLanguageMenu, startLanguage } from './language.js';
import { createTeachingPanel } from './teaching.js';
import { text, useCatalogue } from './texts.js';
import { buildWindow, relabelWindow } from './window.js';

const symbols = localeSymbols();
const engine = await loadEngine();
useCatalogue(engine);
const language = startLanguage(engine, location.search, navigator.languages ?? [navigator.language]);
let layout = engine.window(symbols);
const controls = buildWindow(document.getElementById('app'), layout);
const box = (name) => controls.get(name);
// The title of the window is the page's main heading for assistive technology.
box('Label14').setAttribute('role', 'heading');
box('Label14').setAttribute('aria-level', '1');
const textsAtStart = () => new Map(
    layout.controls.filter((row) => row.kind === 'textbox').map((row) => [row.name, row.text]));
let startTexts = textsAtStart();

// A seed in the address (vesquin.html?semilla=42) repeats the same draws on every run,
// as the command line's --semilla does; without one each run draws its seed. Given
// more than once, the last counts, as on the command line, and the first one the
// command line would refuse is refused here too: the page says so once and runs
// from the clock.
let fixedSeed = null;
let seedRefusal = null;
for (const text of new URLSearchParams(location.search).getAll('semilla')) {
    const reading = engine.seed(text);
    if (!reading.ok) {
        seedRefusal = reading.message;
        fixedSeed = null;
        break;
    }
    fixedSeed = reading.seed;
}

const dialog = document.getElementById('runFailure');
const acceptLabel = () => {
    // The desktop's message box says the same.
    document.getElementById('runFailureAccept').textContent = text('message box button', 'Aceptar');
};
acceptLabel();
const teaching = createTeachingPanel({ engine, symbols, host: document.getElementById('app'),
                                       seed: () => fixedSeed, refused: tellRunFailure });
const announcer = document.getElementById('announcer');

// The trials of the run whose results the boxes show (none before a run and after
// Borrar): the report's heading states them, whatever the count box holds since.
let shownTrials = null;

function reportLines() {
    const texts = new Map(layout.resultBoxes.map((name) => [name, box(name).value]));
    texts.set('txtNs', shownTrials === null ? '' : String(shownTrials));
    return engine.report(texts, symbols);
}

function simulate() {
    const time = new Date().toLocaleTimeString('es-ES', { hour: '2-digit', minute: '2-digit', second: '2-digit' });
    const run = engine.simulate(box('txtNs').value, symbols, fixedSeed, time);
    if (!run.ok) {
        tellRunFailure(run.message);
        return;
    }
    for (const [name, text] of run.boxes) box(name).value = text;
    shownTrials = run.trials;
    // The report's own sentences tell a screen reader what the run found.
    const lines = reportLines().lines.filter((line) => line.text !== '');
    announcer.textContent = lines.slice(2, 4).map((line) => line.text).join('. ');
    teaching.runPerformed();
}

function clear() {
    for (const name of ['txtNs', ...layout.resultBoxes]) box(name).value = '';
    shownTrials = null;
    announcer.textContent = '';
    box('txtNs').focus();
}

// The box whose text was refused, which takes the focus back after the message.
let refusedBox = null;

function tellRunFailure(message, refused = box('txtNs')) {
    document.getElementById('runFailureText').textContent = message;
    refusedBox = refused;
    if (!dialog.open) dialog.showModal();
}

// After the message the refused box takes the focus again, its text selected, so
// that the next key typed replaces it.
dialog.addEventListener('close', () => {
    const refused = refusedBox?.isConnected ? refusedBox : box('txtNs');
    refused.focus();
    refused.select();
});

function fillReport() {
    const report = reportLines();
    const section = document.getElementById('report');
    section.replaceChildren(...report.lines.map((line) => {
        const paragraph = document.createElement('p');
        paragraph.className = `report-line size-${line.fontSize}`;
        if (line.column !== null) paragraph.style.setProperty('--column', line.column);
        paragraph.textContent = line.text;
        return paragraph;
    }));
}

function print() {
    fillReport();
    window.print();
}

// A page cannot end the browser: Terminar closes the page where the browser allows
// it (a page opened by a script), and otherwise ends the session: the window back
// as it was at start, with the focus on Simular, and the run history forgotten.
function end() {
    window.close();
    for (const [name, text] of startTexts) box(name).value = text;
    shownTrials = null;
    announcer.textContent = '';
    teaching.reset();
    box('cmdSimular').focus();
}

box('cmdSimular').addEventListener('click', simulate);
box('cmdBorrar').addEventListener('click', clear);
box('cmdImprimir').addEventListener('click', print);
box('cmdSalir').addEventListener('click', end);
// The browser's own print command prints the report too.
window.addEventListener('beforeprint', fillReport);

// The footer is the link to the teaching panel, as on the desktop; F2 opens it too.
const footer = box('Label11');
const footerLink = document.createElement('a');
footerLink.href = '#teaching';
footerLink.id = 'teachingLink';
const linkFooter = () => {
    footerLink.textContent = footer.textContent;
    footer.replaceChildren(footerLink);
};
linkFooter();
footerLink.addEventListener('click', (event) => {
    event.preventDefault();
    teaching.open();
});
document.addEventListener('keydown', (event) => {
    if (event.key !== 'F2' || dialog.open) return;
    event.preventDefault();
    teaching.open();
});

// Enter simulates from anywhere but a button or a link, which Enter presses instead.
document.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    if (dialog.open || event.isComposing) return;
    if (event.target.closest?.('button, a, summary, [role="button"]')) return;
    if (!event.target.closest?.('#app') && event.target !== document.body) return;
    event.preventDefault();
    simulate();
});

// The whole set-up in the address (vesquin.html?tiradores=4&platos=8&ensayos=1000&semilla=42)
// opens the teaching panel on that experiment, with that run done when a count is
// given. Values the panel's boxes would refuse get the same messages, after the
// seed's if it was refused too, and the page opens all the same.
const address = new URLSearchParams(location.search);
const given = (name) => (address.has(name) ? address.getAll(name).at(-1) : undefined);
const setUp = { shooters: given('tiradores'), plates: given('platos'), count: given('ensayos') };
const addressRefusals = seedRefusal === null ? [] : [[seedRefusal, undefined]];

// Another language writes every text shown again, in it; the results, the history
// and the run the teaching panel shows stay.
createLanguageMenu({
    engine, current: language, host: document.getElementById('languageMenu'),
    changed() {
        layout = engine.window(symbols);
        relabelWindow(controls, layout);
        linkFooter();
        startTexts = textsAtStart();
        acceptLabel();
        teaching.languageChanged();
    },
});

document.getElementById('app').removeAttribute('aria-busy');
box('cmdSimular').focus();
if (Object.values(setUp).some((text) => text !== undefined)) {
    teaching.open();
    teaching.experiment.set(setUp);
    const reading = teaching.experiment.check(setUp.shooters ?? '3', setUp.plates ?? '6');
    if (!reading.ok) {
        addressRefusals.push([reading.message, document.getElementById(`experiment-${reading.field}`)]);
    } else if (setUp.count !== undefined) {
        const refusals = [];
        const run = teaching.experiment.simulate((message, refused) => refusals.push([message, refused]));
        if (!run) addressRefusals.push(...refusals);
    }
}
// One message at a time: the next shows once the user has read the last.
function tellAddressRefusals() {
    const next = addressRefusals.shift();
    if (!next) return;
    tellRunFailure(next[0], next[1]);
    if (addressRefusals.length) dialog.addEventListener('close', tellAddressRefusals, { once: true });
}
tellAddressRefusals();
document.documentElement.dataset.ready = 'true';
// Ready once the window built here has been drawn: the frame after this one starts.
requestAnimationFrame(() => setTimeout(() => performance.mark('vesquin-drawn'), 0));

