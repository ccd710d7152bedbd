// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel's own experiment: the address names the whole set-up and the
// page opens on it with its run done; typed and address values that are refused get
// the engine's messages, the same both ways, and the page opens all the same; the
// page's tallies are the native engine's for the same shooters, plates, count and
// seed; the history, the clipboard and the CSV carry the shooters and the plates; the
// grid of every choice has as many cells of each colour as the theory's favourable
// cases; axe-core finds nothing wrong, light and dark.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { focused, launchBrowser, locales, openPage, referenceExperimentRun, setCount, value } from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

const dialogText = (page) => page.$eval('#runFailure', (d) => (d.open ? document.getElementById('runFailureText').textContent : null));
const panelOpen = (page) => page.$eval('#teaching', (panel) => !panel.hidden);
const historyTable = (page) => page.evaluate(() => {
    const header = [...document.querySelectorAll('.history-table thead th')].map((th) => th.textContent);
    const rows = [...document.querySelectorAll('.history-table tbody tr')].map((tr) => [...tr.cells].map((c) => c.textContent));
    return rows.map((row) => Object.fromEntries(header.map((name, i) => [name, row[i]])));
});
const theoryRows = (page, table) => page.$$eval(`.${table} tbody tr`,
                                                (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
const brokenNames = ['Un plato', 'Dos platos', 'Tres platos', 'Cuatro platos', 'Cinco platos', 'Seis platos',
                     'Siete platos', 'Ocho platos', 'Nueve platos', 'Diez platos'];
const plain = (text) => Number(text.replaceAll('.', ''));

test('the address opens the panel on its experiment with its run done, as the native engine runs it', async () => {
    const { page, errors } = await openPage(browser, { query: '?tiradores=4&platos=8&ensayos=1000&semilla=42' });
    assert.equal(await panelOpen(page), true);
    assert.equal(await dialogText(page), null);
    assert.deepEqual([await value(page, 'experiment-shooters'), await value(page, 'experiment-plates'),
                      await value(page, 'experiment-count')], ['4', '8', '1000']);
    assert.match(await page.$eval('#experiment-statement', (p) => p.textContent),
                 /^Cuatro tiradores eligen, cada uno al azar, uno de ocho platos/);
    const probabilities = await theoryRows(page, 'theory-table');
    assert.deepEqual(probabilities.map((row) => row[0]),
                     ['Se rompe un solo plato', 'Rompen dos platos', 'Rompen tres platos', 'Rompen cuatro platos']);
    assert.deepEqual(probabilities.map((row) => row[1]), ['8 de 4.096', '392 de 4.096', '2.016 de 4.096', '1.680 de 4.096']);
    // The means stand apart from the probabilities.
    const means = await theoryRows(page, 'means-table');
    assert.deepEqual(means.map((row) => row[0]), ['Número más probable de platos rotos',
                                                  'Platos intactos, por término medio', 'Platos rotos, por término medio']);
    assert.equal(means[1][1], '2401/512');

    const reference = referenceExperimentRun(locales.es.symbols, '1000', 42, 4, 8);
    const [row] = await historyTable(page);
    assert.deepEqual([row.Tiradores, row.Platos, row.Semilla, row.Ensayos], ['4', '8', '42', '1.000']);
    assert.deepEqual(brokenNames.slice(0, 4).map((name) => plain(row[name])), reference.tally.broken);
    assert.deepEqual(errors, []);
});

// One experiment of each kind: a single shooter, the puzzle, more shooters than
// plates, and the largest.
const runs = [
    { shooters: 1, plates: 2, count: '10', seed: 1 },
    { shooters: 3, plates: 6, count: '1.000', seed: 5 },
    { shooters: 6, plates: 4, count: '2.500', seed: 77 },
    { shooters: 10, plates: 20, count: '20.000', seed: 9007199254740991 },
];

test('typed in the panel, every experiment gives the native engine\'s tallies', async () => {
    const { page, errors } = await openPage(browser, { query: `?semilla=${runs[0].seed}` });
    await page.keyboard.press('F2');
    for (const [i, each] of runs.entries()) {
        // The seed is the address's: the runs after the first open their own page.
        const view = i === 0 ? page : (await openPage(browser, { query: `?semilla=${each.seed}` })).page;
        if (i > 0) await view.keyboard.press('F2');
        for (const [id, text] of [['experiment-shooters', each.shooters], ['experiment-plates', each.plates],
                                  ['experiment-count', each.count]]) {
            await view.$eval(`#${id}`, (box) => { box.value = ''; });
            await view.type(`#${id}`, String(text));
        }
        await view.keyboard.press('Enter');
        const reference = referenceExperimentRun(locales.es.symbols, each.count, each.seed, each.shooters, each.plates);
        const row = (await historyTable(view)).at(-1);
        const most = Math.min(each.shooters, each.plates);
        assert.deepEqual(brokenNames.slice(0, most).map((name) => plain(row[name])), reference.tally.broken,
                         `${each.shooters} × ${each.plates}`);
        assert.deepEqual([row.Tiradores, row.Platos, row.Semilla], [String(each.shooters), String(each.plates), String(each.seed)]);
        const bars = await view.$$eval('.teaching-charts .bar-simulated', (rects) => rects.length);
        assert.equal(bars, most, 'one bar for each number of broken plates');
        const series = await view.$$eval('.teaching-charts .series', (lines) => lines.length);
        assert.equal(series, 2 * most, 'one line for each, and its key in the legend');
    }
    assert.deepEqual(errors, []);
});

// What the address gives, what the page says about it, and the box it then gives the focus to.
const refusals = [
    ['?tiradores=0&platos=8&ensayos=10', 'El número de tiradores ha de ser un número entero entre 1 y 10.', 'experiment-shooters'],
    ['?tiradores=11', 'El número de tiradores ha de ser un número entero entre 1 y 10.', 'experiment-shooters'],
    ['?tiradores=cuatro&ensayos=10', 'El número de tiradores ha de ser un número entero entre 1 y 10.', 'experiment-shooters'],
    ['?tiradores=4&platos=1', 'El número de platos ha de ser un número entero entre 2 y 20.', 'experiment-plates'],
    ['?platos=21&ensayos=10', 'El número de platos ha de ser un número entero entre 2 y 20.', 'experiment-plates'],
    ['?tiradores=4&platos=8&ensayos=0', null, 'experiment-count'],
    ['?tiradores=4&platos=8&ensayos=abc', null, 'experiment-count'],
    ['?tiradores=4&platos=8&ensayos=2.000.000', null, 'experiment-count'],
];

test('bad values in the address get the messages typed ones get, and the page still opens', async () => {
    for (const [query, message, box] of refusals) {
        const { page, errors } = await openPage(browser, { query });
        assert.equal(await panelOpen(page), true, query);
        const shown = await dialogText(page);
        if (message !== null) {
            assert.equal(shown, message, query);
        } else {
            // The count's message is the main window's for the same text.
            const count = new URLSearchParams(query).get('ensayos');
            const window = (await openPage(browser)).page;
            await setCount(window, count);
            await window.keyboard.press('Enter');
            assert.equal(shown, await dialogText(window), query);
            await window.close();
        }
        assert.equal((await historyTable(page)).length, 0, `${query}: nothing ran`);
        await page.keyboard.press('Enter');
        assert.equal(await dialogText(page), null);
        await page.waitForFunction((id) => document.activeElement?.id === id, { timeout: 2000 }, box)
            .catch(() => {});
        assert.equal(await focused(page), box, query);

        // Typed into the panel, the same value gets the same message.
        await page.keyboard.press('Enter');
        assert.equal(await dialogText(page), shown, `${query}, typed`);
        await page.keyboard.press('Escape');
        assert.deepEqual(errors, [], query);
        await page.close();
    }
});

test('a refused seed is told first, then the experiment\'s refusal', async () => {
    const { page } = await openPage(browser, { query: '?semilla=abc&tiradores=12&ensayos=10' });
    assert.match(await dialogText(page), /semilla/);
    await page.keyboard.press('Enter');
    // The next message shows once the first is closed, which the browser tells later.
    await page.waitForFunction(() => document.getElementById('runFailure').open &&
                               !document.getElementById('runFailureText').textContent.includes('semilla'),
                               { timeout: 2000 }).catch(() => {});
    assert.equal(await dialogText(page), 'El número de tiradores ha de ser un número entero entre 1 y 10.');
    await page.keyboard.press('Enter');
    assert.equal(await dialogText(page), null);
});

test('the history, the clipboard and the CSV carry the shooters and the plates of every run', async () => {
    const { page } = await openPage(browser, { query: '?semilla=3&tiradores=4&platos=8&ensayos=100' });
    await page.click('#teaching-close');
    await setCount(page, '50');
    await page.keyboard.press('Enter');  // the main window's run: three shooters, six plates
    await page.keyboard.press('F2');
    const rows = await historyTable(page);
    assert.deepEqual(rows.map((row) => [row['Nº'], row.Tiradores, row.Platos, row.Ensayos]),
                     [['1', '4', '8', '100'], ['2', '3', '6', '50']]);
    assert.equal(rows[1]['Cuatro platos'], '', 'three shooters break no four plates');

    await page.evaluate(() => {
        navigator.clipboard.writeText = async (text) => { window.copied = text; };
    });
    await page.click('#teaching-copy');
    const copied = (await page.evaluate(() => window.copied)).split('\n').filter(Boolean).map((line) => line.split('\t'));
    const header = copied[0];
    assert.deepEqual(header.slice(-3), ['Tiradores', 'Platos', 'Semilla']);
    assert.deepEqual(copied.slice(1).map((line) => line.slice(-3)), [['4', '8', '3'], ['3', '6', '3']]);

    const csv = await page.evaluate(() => new Promise((resolve) => {
        URL.createObjectURL = (blob) => { blob.text().then(resolve); return 'blob:none'; };
        document.getElementById('teaching-csv').click();
    }));
    const lines = csv.replace(/^\uFEFF/, '').split('\r\n').filter(Boolean).map((line) => line.split(';'));
    assert.deepEqual(lines[0], header);
    assert.deepEqual(lines.slice(1).map((line) => line.slice(-3)), [['4', '8', '3'], ['3', '6', '3']]);
});

test('the grid of every choice has as many cells of each colour as the favourable cases', async () => {
    for (const [shooters, plates] of [[3, 6], [4, 5], [10, 2], [1, 20], [4, 6]]) {
        const { page } = await openPage(browser, { query: `?tiradores=${shooters}&platos=${plates}` });
        const drawn = await page.evaluate(() => {
            const cells = [...document.querySelectorAll('.case-grid rect')];
            const counts = {};
            const colours = {};
            for (const cell of cells) {
                counts[cell.dataset.broken] = (counts[cell.dataset.broken] ?? 0) + 1;
                (colours[cell.dataset.broken] ??= new Set()).add(cell.getAttribute('fill'));
            }
            return { counts, colours: Object.values(colours).map((set) => [...set]),
                     keys: [...document.querySelectorAll('.case-grid-key li')].map((li) => li.textContent) };
        });
        const favourable = (await theoryRows(page, 'theory-table')).map((row) => plain(row[1].split(' de ')[0]));
        const most = Math.min(shooters, plates);
        assert.deepEqual(Object.keys(drawn.counts).map(Number), Array.from({ length: most }, (_, j) => j + 1));
        assert.deepEqual(Object.values(drawn.counts), favourable, `${shooters} × ${plates}`);
        assert.ok(drawn.colours.every((set) => set.length === 1), 'one colour for each number of broken plates');
        assert.equal(new Set(drawn.colours.flat()).size, most, 'and no two alike');
        assert.deepEqual(drawn.keys.map((text) => plain(text.split(': ')[1])), favourable);
        await page.close();
    }
    const { page } = await openPage(browser, { query: '?tiradores=4&platos=8' });
    assert.equal(await page.$$eval('.case-grid rect', (cells) => cells.length), 0);
    assert.equal(await page.$eval('.case-grid-note', (p) => p.textContent),
                 'Hay 4.096 elecciones, demasiadas para dibujarlas una a una (se dibujan hasta 1.296).');
});

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

for (const [name, width, dark] of [['light', 1366, false], ['dark', 1366, true], ['phone', 375, false]]) {
    test(`axe finds no violation on the 4 × 8 panel, ${name}; the dark charts take the dark palette`, async () => {
        const page = await browser.newPage();
        if (dark) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
        await page.setViewport({ width, height: 800 });
        const { pageUrl } = await import('./browser.mjs');
        await page.goto(`${pageUrl}?tiradores=4&platos=8&ensayos=1000&semilla=42`);
        await page.waitForSelector('html[data-ready]');
        await page.evaluate(axeSource);
        const found = await page.evaluate(async () => (await window.axe.run('#teaching', { resultTypes: ['violations'] }))
            .violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        assert.deepEqual(found, []);
        const background = await page.$eval('.teaching-charts svg rect', (rect) => rect.getAttribute('fill'));
        assert.equal(background, dark ? '#2e303a' : '#ffffff');
        const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
        assert.ok(overflow <= 0, `nothing runs off the side (${overflow} px)`);
        if (process.env.VESQUIN_SHOTS) {
            mkdirSync(process.env.VESQUIN_SHOTS, { recursive: true });
            const panel = await page.$('#teaching');
            await panel.screenshot({ path: join(process.env.VESQUIN_SHOTS, `experiment-4x8-${name}.png`) });
        }
        await page.close();
    });
}

test('a grid of 3 × 6 passes axe too', async () => {
    const { page } = await openPage(browser, { query: '?tiradores=3&platos=6&ensayos=100' });
    await page.evaluate(axeSource);
    const found = await page.evaluate(async () => (await window.axe.run('#teaching', { resultTypes: ['violations'] }))
        .violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    assert.deepEqual(found, []);
});

test('a tie in the run\'s counts is said beside its most probable number', async () => {
    for (const seed of [1, 2]) {
        const { page } = await openPage(browser, { query: `?tiradores=2&platos=2&ensayos=2&semilla=${seed}` });
        const [one, two] = referenceExperimentRun(locales.es.symbols, '2', seed, 2, 2).tally.broken;
        const modal = (await theoryRows(page, 'means-table'))[0].at(-1);
        assert.equal(modal, one === two ? '2 (empate entre 1 y 2)' : String(one > two ? 1 : 2), `seed ${seed}`);
        await page.close();
    }
});
