// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel: opened by the footer link and by F2, closed by Escape with
// the focus back where it was; its history holds the page's runs with the page's
// numbers, copies as tab-separated text and downloads as CSV; the charts show the
// run's running frequencies against dashed theory lines, and download as an image.
import assert from 'node:assert/strict';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { focused, launchBrowser, openPage, setCount, value } from './browser.mjs';

let browser;
let downloads;
before(async () => {
    browser = await launchBrowser();
    downloads = mkdtempSync(join(tmpdir(), 'vesquin-downloads-'));
});
after(async () => {
    await browser?.close();
    rmSync(downloads, { recursive: true, force: true });
});

async function run(page, count) {
    await setCount(page, count);
    await page.keyboard.press('Enter');
}

const panelOpen = (page) => page.$eval('#teaching', (panel) => !panel.hidden);

async function downloaded(page, buttonId, name) {
    const folder = mkdtempSync(join(downloads, 'run-'));
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await page.click(`#${buttonId}`);
    const file = join(folder, name);
    for (let i = 0; i < 100 && !(existsSync(file) && readdirSync(folder).length === 1); ++i) {
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    assert.ok(existsSync(file), `${name} downloaded (${readdirSync(folder).join(', ')})`);
    return readFileSync(file);
}

test('F2 and the footer link open the panel; Escape closes it and gives the focus back', async () => {
    const { page } = await openPage(browser);
    assert.equal(await panelOpen(page), false);
    await page.focus('#txtNs');
    await page.keyboard.press('F2');
    assert.equal(await panelOpen(page), true);
    assert.equal(await focused(page), 'teachingTitle');
    await page.keyboard.press('Escape');
    assert.equal(await panelOpen(page), false);
    assert.equal(await focused(page), 'txtNs');

    await page.focus('#Label11 a');
    await page.keyboard.press('Enter');
    assert.equal(await panelOpen(page), true, 'Enter on the link follows it');
    assert.equal(await value(page, 'txtTeo1'), '', 'and does not simulate');
    await page.click('#teaching-close');
    await page.click('#Label11 a');
    assert.equal(await panelOpen(page), true);
});

test('the history holds each run with the page\'s numbers, and copies as tab-separated text', async () => {
    const { page } = await openPage(browser, { query: '?semilla=5' });
    await run(page, '1.000');
    const first = { one: await value(page, 'txtS1'), two: await value(page, 'txtS2'), three: await value(page, 'txtS3') };
    await run(page, 'abc');  // a failed run joins nothing
    await page.keyboard.press('Escape');
    await run(page, '20');
    await page.keyboard.press('F2');
    const rows = await page.$$eval('.history-table tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
    const header = await page.$$eval('.history-table thead th', (ths) => ths.map((th) => th.textContent));
    assert.equal(rows.length, 2);
    const column = (name) => header.indexOf(name);
    assert.deepEqual([rows[0][column('Nº')], rows[1][column('Nº')]], ['1', '2']);
    assert.equal(rows[0][column('Ensayos')], '1.000');
    assert.deepEqual([rows[0][column('Un plato')], rows[0][column('Dos platos')], rows[0][column('Tres platos')]],
                     [first.one, first.two, first.three]);
    assert.equal(rows[0][column('Semilla')], '5');
    assert.match(rows[0][column('Hora')], /^\d\d:\d\d:\d\d$/);

    await page.evaluate(() => {
        window.copied = null;
        navigator.clipboard.writeText = async (text) => { window.copied = text; };
    });
    await page.click('#teaching-copy');
    const copied = (await page.evaluate(() => window.copied)).split('\n').filter(Boolean).map((line) => line.split('\t'));
    assert.deepEqual(copied[0], header);
    assert.equal(copied.length, 3);
    assert.equal(copied[1][column('Ensayos')], '1000', 'plain digits for a spreadsheet');
});

test('the CSV download is the engine\'s CSV of the history', async () => {
    const { page } = await openPage(browser, { query: '?semilla=9' });
    await run(page, '1.000');
    await run(page, '3');
    await page.keyboard.press('F2');
    const csv = (await downloaded(page, 'teaching-csv', 'vesquin-historial.csv')).toString('utf8');
    assert.ok(csv.startsWith('\uFEFF'), 'a byte order mark first');
    const lines = csv.slice(1).split('\r\n').filter(Boolean);
    assert.equal(lines.length, 3);
    assert.ok(lines[0].startsWith('Nº;Hora;Ensayos;'), lines[0]);
    assert.equal(lines[1].split(';')[2], '1000');
    assert.equal(lines[2].split(';').at(-1), '9');
});

test('the charts draw the running frequencies against dashed theory lines, and download as an image', async () => {
    const { page } = await openPage(browser, { query: '?semilla=3' });
    await run(page, '1.000.000');
    await page.keyboard.press('F2');
    const chart = await page.$eval('svg[aria-label="Gráfico de convergencia"]', (svg) => ({
        series: [...svg.querySelectorAll('polyline')].map((line) => line.getAttribute('points').split(' ').length),
        theory: [...svg.querySelectorAll('.theory-line')].map((line) => getComputedStyle(line).strokeDasharray),
        ticks: [...svg.querySelectorAll('.tick')].map((tick) => tick.textContent),
    }));
    assert.equal(chart.series.length, 3);
    assert.ok(chart.series.every((points) => points > 100), `about 20 points a decade: ${chart.series}`);
    assert.equal(chart.theory.length, 3);
    assert.ok(chart.theory.every((dashes) => dashes !== 'none'));
    assert.ok(chart.ticks.includes('1.000.000'));
    const bars = await page.$$eval('svg[aria-label^="Gráfico de barras"] text', (texts) => texts.map((t) => t.textContent));
    assert.ok(bars.includes('2,78\u00A0%') && bars.includes(`${await value(page, 'txtS1p')}\u00A0%`), bars.join('|'));
    // The mean stands in the table of means, apart from the probabilities.
    const theory = await page.$$eval('.theory-table td, .means-table td', (cells) => cells.map((c) => c.textContent));
    const probabilities = await page.$$eval('.theory-table td', (cells) => cells.map((c) => c.textContent));
    assert.ok(!probabilities.includes('125/36'), 'no mean among the probabilities');
    for (const text of ['6 de 216', '90 de 216', '120 de 216', '1/36', '5/12', '5/9', '125/36']) {
        assert.ok(theory.includes(text), text);
    }

    const image = await downloaded(page, 'teaching-image', 'vesquin-graficos.png');
    assert.deepEqual([...image.subarray(0, 8)], [137, 80, 78, 71, 13, 10, 26, 10]);
    assert.ok(image.length > 20000, `${image.length} bytes`);
});

test('emptying the history, and Terminar, forget the runs', async () => {
    const { page } = await openPage(browser);
    await run(page, '10');
    await page.keyboard.press('F2');
    await page.click('#teaching-empty');
    await page.click('#emptyQuestion-empty');
    assert.equal(await page.$$eval('.history-table tbody tr', (trs) => trs.length), 0);
    assert.equal(await page.$eval('#teaching-copy', (b) => b.disabled), true);
    await run(page, '10');
    await page.click('#cmdSalir');
    await page.keyboard.press('F2');
    assert.equal(await page.$$eval('.history-table tbody tr', (trs) => trs.length), 0);
});
