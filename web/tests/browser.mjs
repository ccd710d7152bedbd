// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens vesquin.html in Debian's Chromium, headless, through puppeteer-core: no
// browser is ever downloaded. Every request the page makes is recorded, and any
// that is not the page itself is refused.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const pagePath = process.env.VESQUIN_PAGE;
if (!pagePath) throw new Error('VESQUIN_PAGE must name the built vesquin.html');
export const pageUrl = pathToFileURL(pagePath).href;

// `languages` (['ca-ES', 'ca']) is the browser's list of languages, set in its profile
// as a user's settings would set it; pages opened with openPage have their own list
// unless it is null.
export async function launchBrowser({ languages } = {}) {
    const userDataDir = mkdtempSync(join(tmpdir(), 'vesquin-chromium-'));
    if (languages) {
        mkdirSync(join(userDataDir, 'Default'));
        writeFileSync(join(userDataDir, 'Default', 'Preferences'),
                      JSON.stringify({ intl: { accept_languages: languages.join(',') } }));
    }
    const browser = await puppeteer.launch({
        executablePath: process.env.VESQUIN_CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        userDataDir,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'],
    });
    // The profile goes once the browser has let go of it.
    const close = browser.close.bind(browser);
    browser.close = async () => {
        await close();
        rmSync(userDataDir, { recursive: true, force: true, maxRetries: 5, retryDelay: 100 });
    };
    return browser;
}

// A new tab on the page with the browser's locale set to `locale` and its list of
// languages to `languages` (Spanish unless asked: the page speaks the first it has;
// null keeps the browser's own); `query` is added to the address (e.g. '?semilla=7').
// Resolves once the page says it is ready.
export async function openPage(browser, { locale = 'es-ES', languages = ['es-ES'], width = 1366, height = 768,
                                          query = '' } = {}) {
    const page = await browser.newPage();
    const requests = [];
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => {
        if (message.type() === 'error') errors.push(message.text());
    });
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        requests.push(request.url());
        if (request.url().startsWith(pageUrl)) request.continue();
        else request.abort();
    });
    const session = await page.createCDPSession();
    await session.send('Emulation.setLocaleOverride', { locale });
    if (languages !== null) {
        await session.send('Emulation.setUserAgentOverride',
                           { userAgent: await browser.userAgent(), acceptLanguage: languages.join(',') });
    }
    await page.setViewport({ width, height });
    // Printing is the browser's; the tests only see that the page asked for it.
    await page.evaluateOnNewDocument(() => {
        window.printRequests = 0;
        window.print = () => { window.printRequests += 1; };
    });
    await page.goto(pageUrl + query);
    await page.waitForSelector('html[data-ready]', { timeout: 10000 });
    return { page, requests, errors };
}

export const value = (page, id) => page.$eval(`#${id}`, (element) => element.value);
export const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');

// Alt+letter as a keyboard sends it: the browser presses the control whose
// accesskey is that letter on the character event.
export async function pressAccessKey(page, letter) {
    const session = await page.createCDPSession();
    const key = letter.toLowerCase();
    const code = `Key${letter.toUpperCase()}`;
    const keyCode = letter.toUpperCase().charCodeAt(0);
    const send = (event) => session.send('Input.dispatchKeyEvent', event);
    await send({ type: 'rawKeyDown', modifiers: 1, key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18 });
    await send({ type: 'rawKeyDown', modifiers: 1, key, code, windowsVirtualKeyCode: keyCode });
    await send({ type: 'char', modifiers: 1, key, code, text: key, unmodifiedText: key, windowsVirtualKeyCode: keyCode });
    await send({ type: 'keyUp', modifiers: 1, key, code, windowsVirtualKeyCode: keyCode });
    await send({ type: 'keyUp', modifiers: 0, key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18 });
    await session.detach();
}

// Resolves once the count has the focus with all its text selected.
export async function countFocusedAndSelected(page) {
    await page.waitForFunction(() => {
        const box = document.getElementById('txtNs');
        return document.activeElement === box && box.selectionStart === 0 &&
               box.selectionEnd === box.value.length;
    }, { timeout: 2000 });
}

export async function setCount(page, text) {
    await page.$eval('#txtNs', (box, typed) => { box.value = typed; box.focus(); }, text);
}

export const resultBoxes = ['txtMed', 'txtS1', 'txtS2', 'txtS3', 'txtS6', 'txtS1p', 'txtS2p',
                            'txtS3p', 'txtTeo1', 'txtTeo2', 'txtTeo3'];

export async function boxTexts(page) {
    return page.evaluate((names) => names.map((name) => [name, document.getElementById(name).value]),
                         resultBoxes);
}

// The native engine's answer for the same run (see tests/web/reference_run.cpp).
export function referenceRun(symbols, count, seed) {
    const program = process.env.VESQUIN_REFERENCE_RUN;
    if (!program) throw new Error('VESQUIN_REFERENCE_RUN must name the reference program');
    return JSON.parse(execFileSync(program, [symbols.decimal, symbols.grouping, count, String(seed)],
                                   { encoding: 'utf8' }));
}

// The native engine's tallies for a run of `shooters` and `plates`:
// {ok, seed, trials, shooters, plates, tally: {broken: [...], intact}}.
export function referenceExperimentRun(symbols, count, seed, shooters, plates) {
    const program = process.env.VESQUIN_REFERENCE_RUN;
    if (!program) throw new Error('VESQUIN_REFERENCE_RUN must name the reference program');
    return JSON.parse(execFileSync(program, [symbols.decimal, symbols.grouping, count, String(seed),
                                             String(shooters), String(plates)], { encoding: 'utf8' }));
}

// The tallies of one, two and three broken plates for `trials` trials from `seed`, as
// the command line gives them: vesquin --ensayos N --semilla S --formato json, with
// VESQUIN_CLI naming the program.
export function referenceTallies(trials, seed) {
    const program = process.env.VESQUIN_CLI;
    if (!program) throw new Error('VESQUIN_CLI must name the program, whose command line the page is held to');
    const run = JSON.parse(execFileSync(program, ['--ensayos', String(trials), '--semilla', String(seed),
                                                  '--formato', 'json'], { encoding: 'utf8' }));
    return { seed: run.semilla, tallies: [run.veces.uno, run.veces.dos, run.veces.tres] };
}

// The shared table of typed counts, as the engine's tests read it.
export function countCases() {
    const file = new URL('../../tests/data/count_cases.tsv', import.meta.url);
    return readFileSync(file, 'utf8').split('\n')
        .filter((line) => line !== '' && !line.startsWith('#'))
        .map((line) => {
            const fields = line.split('\t');
            return { symbols: fields[0], count: fields.slice(1, -1).join('\t').replaceAll('\\t', '\t'),
                     expected: fields.at(-1) };
        });
}

export const locales = {
    es: { locale: 'es-ES', symbols: { decimal: ',', grouping: '.' } },
    en: { locale: 'en-US', symbols: { decimal: '.', grouping: ',' } },
};
