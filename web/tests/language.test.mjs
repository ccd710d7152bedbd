// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's language: chosen by ?idioma= in the address, else by the browser's list
// of languages, else Spanish; <html lang> follows; the menu switches it without losing
// the results, the history or the run the teaching panel shows, and switching back
// gives the Spanish page exactly as it was. The number symbols stay the locale's.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { boxTexts, launchBrowser, openPage, setCount } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

// The menu's label in each language: a word of the page's own, read from the catalogue.
const menuLabel = { es: 'Idioma', ca: 'Llengua', gl: 'Lingua', eu: 'Hizkuntza', en: 'Language' };

async function spoken(page) {
    return page.evaluate(() => ({
        lang: document.documentElement.lang,
        menu: document.getElementById('languageChoice').value,
        label: document.getElementById('languageLabel').textContent,
    }));
}

const choices = [
    // [what is asked, address, browser's languages, language spoken]
    ['the address', '?idioma=ca', ['es-ES'], 'ca'],
    ['the address, any case', '?idioma=EU', ['es-ES'], 'eu'],
    ['the address, a region', '?idioma=gl-ES', ['en-US'], 'gl'],
    ['the last of the address', '?idioma=ca&idioma=en', ['es-ES'], 'en'],
    ['the browser, for a language we do not have in the address', '?idioma=fr', ['gl-ES', 'gl'], 'gl'],
    ['the browser, for an empty one in the address', '?idioma=', ['eu-ES'], 'eu'],
    ['the browser\'s first we have', '', ['fr-FR', 'de', 'ca-ES', 'en'], 'ca'],
    ['the browser\'s Spanish before its Catalan', '', ['es-MX', 'ca'], 'es'],
    ['the browser\'s English', '', ['en-GB', 'en'], 'en'],
    ['Spanish when the browser asks for none we have', '', ['fr-FR', 'de-DE'], 'es'],
];

test('the language is the address\'s, else the browser\'s first we have, else Spanish', async () => {
    for (const [asked, query, languages, code] of choices) {
        const { page, errors } = await openPage(browser, { query, languages });
        assert.deepEqual(await spoken(page), { lang: code, menu: code, label: menuLabel[code] }, asked);
        assert.deepEqual(errors, [], asked);
        await page.close();
    }
});

test('the languages of the browser\'s own settings choose the page\'s', async () => {
    const catalan = await launchBrowser({ languages: ['ca-ES', 'ca', 'es'] });
    try {
        const { page } = await openPage(catalan, { languages: null });
        assert.deepEqual(await page.evaluate(() => navigator.languages), ['ca-ES', 'ca', 'es']);
        assert.deepEqual(await spoken(page), { lang: 'ca', menu: 'ca', label: 'Llengua' });
    } finally {
        await catalan.close();
    }
});

test('the menu lists every language in its own name, and is labelled', async () => {
    const { page } = await openPage(browser);
    const options = await page.$$eval('#languageChoice option', (all) => all.map((o) => [o.value, o.lang, o.textContent]));
    assert.deepEqual(options, [['es', 'es', 'Español'], ['ca', 'ca', 'Català'], ['gl', 'gl', 'Galego'],
                               ['eu', 'eu', 'Euskara'], ['en', 'en', 'English']]);
    const name = await page.evaluate(() => document.getElementById('languageChoice').labels[0].textContent);
    assert.equal(name, 'Idioma');
});

// Everything a user reads of the page: the window, the panel and the buttons' names.
const pageText = (page) => page.evaluate(() => [
    document.getElementById('frmVesquin').innerText,
    document.getElementById('teaching').innerText,
    [...document.querySelectorAll('[aria-label]')].map((e) => e.getAttribute('aria-label')).join('|'),
    [...document.querySelectorAll('[accesskey]')].map((e) => e.accessKey).join(''),
]);

test('the menu switches the language and keeps the results, the history and the run shown', async () => {
    const { page, errors } = await openPage(browser, { query: '?semilla=11' });
    await setCount(page, '2500');
    await page.keyboard.press('Enter');
    await setCount(page, '40000');
    await page.keyboard.press('Enter');
    await page.keyboard.press('F2');
    await page.waitForSelector('#teaching:not([hidden])');
    // The first run is shown in the charts, as a user chooses it in the history.
    await page.click('#teaching .history-table button[data-number="1"]');
    const results = await boxTexts(page);
    const history = await page.$$eval('#teaching .history-table tbody tr', (rows) => rows.map((r) => r.innerText));
    const spanish = await pageText(page);

    await page.focus('#languageChoice');
    await page.select('#languageChoice', 'ca');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ca');
    assert.deepEqual(await boxTexts(page), results, 'the boxes keep their numbers');
    assert.deepEqual(await page.$$eval('#teaching .history-table tbody tr', (rows) => rows.map((r) => r.innerText)),
                     history, 'the history keeps its rows, its numbers written as before');
    const catalan = await page.evaluate(() => ({
        title: document.getElementById('teachingTitle').textContent,
        chart: document.querySelector('.teaching-chart .chart-title').textContent,
        empty: document.getElementById('teaching-empty').textContent,
        accept: document.getElementById('runFailureAccept').textContent,
        shown: document.querySelector('#teaching .history-table button[aria-pressed="true"]')?.dataset.number,
        focused: document.activeElement.id,
        open: !document.getElementById('teaching').hidden,
    }));
    assert.deepEqual(catalan, {
        title: 'Vesquin: gràfics i teoria', chart: 'Convergència cap a la teoria (línies discontínues)',
        empty: 'Buida l\'historial', accept: 'D\'acord', shown: '1', focused: 'languageChoice', open: true,
    });

    // The window's access keys are the translations' own letters, underlined, one per control.
    const keys = await page.$$eval('#frmVesquin button', (all) => all.map((b) => [b.accessKey, b.querySelector('u')?.textContent]));
    assert.ok(keys.length > 0 && keys.every(([key, underlined]) => key !== '' && key === underlined?.toLowerCase()), String(keys));
    assert.equal(new Set(keys.map(([key]) => key)).size, keys.length, `distinct access keys: ${keys}`);

    await page.select('#languageChoice', 'es');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'es');
    assert.deepEqual(await pageText(page), spanish, 'back in Spanish, the page reads as it did');
    assert.deepEqual(errors, []);
});

test('downloaded files are named in the language shown', async () => {
    const { page } = await openPage(browser, { query: '?idioma=ca&semilla=3' });
    await setCount(page, '1000');
    await page.keyboard.press('Enter');
    await page.keyboard.press('F2');
    await page.waitForSelector('#teaching:not([hidden])');
    // The names the page gives its downloads, without downloading.
    await page.evaluate(() => {
        window.downloadNames = [];
        HTMLAnchorElement.prototype.click = function click() { window.downloadNames.push(this.download); };
    });
    await page.click('#teaching-csv');
    await page.click('#teaching-image');
    await page.waitForFunction(() => window.downloadNames.length === 2, { timeout: 5000 });
    assert.deepEqual(await page.evaluate(() => window.downloadNames), ['vesquin-historial.csv', 'vesquin-grafics.png']);
});

test('the menu is reached from the keyboard and changed with the arrow keys', async () => {
    const { page } = await openPage(browser);
    let steps = 0;
    while ((await page.evaluate(() => document.activeElement.id)) !== 'languageChoice' && steps < 60) {
        await page.keyboard.press('Tab');
        steps += 1;
    }
    assert.equal(await page.evaluate(() => document.activeElement.id), 'languageChoice', 'Tab reaches the menu');
    await page.keyboard.press('ArrowDown');
    assert.deepEqual(await spoken(page), { lang: 'ca', menu: 'ca', label: 'Llengua' });
});

test('the number symbols follow the browser\'s locale, not the language', async () => {
    for (const [locale, maximum] of [['es-ES', '1.000.000'], ['en-US', '1,000,000']]) {
        const { page } = await openPage(browser, { query: '?idioma=ca', locale });
        const hint = await page.$eval('#Label16', (label) => label.textContent);
        assert.ok(hint.includes(maximum), `${locale}: ${hint}`);
        await page.close();
    }
});

test('axe finds no violation with the menu, in Spanish and in Catalan', async () => {
    for (const query of ['', '?idioma=ca']) {
        const { page } = await openPage(browser, { query });
        await setCount(page, '1000');
        await page.keyboard.press('Enter');
        await page.keyboard.press('F2');
        await page.waitForSelector('#teaching:not([hidden])');
        await page.evaluate(axeSource);
        const found = await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] }))
            .violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        assert.deepEqual(found, [], query || 'Spanish');
        await page.close();
    }
});
