// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The same count and seed give the same tallies in the page as on the command line
// (or, where it is not built, the native engine): the page's WebAssembly engine
// draws exactly what the native one draws.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, referenceTallies, setCount, value } from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

const pageTallies = async (page) =>
    Promise.all(['txtS1', 'txtS2', 'txtS3'].map(async (name) => Number((await value(page, name)).replaceAll('.', ''))));

const seeds = [0, 1, 20261209, 2 ** 53 - 1];
const counts = [1, 17, 1000, 999999, 1000000];

for (const seed of seeds) {
    test(`seed ${seed}: the page's tallies are the command line's`, async () => {
        const { page } = await openPage(browser, { query: `?semilla=${seed}` });
        for (const trials of counts) {
            await setCount(page, String(trials));
            await page.keyboard.press('Enter');
            const expected = referenceTallies(trials, seed);
            assert.equal(expected.seed, seed);
            assert.deepEqual(await pageTallies(page), expected.tallies, `${trials} trials`);
        }
    });
}

test('a seed drawn from the clock is shown in the history and repeats the run', async () => {
    const { page } = await openPage(browser);
    await setCount(page, '5000');
    await page.keyboard.press('Enter');
    const tallies = await pageTallies(page);
    await page.keyboard.press('F2');
    const seedText = await page.$eval('.history-table tbody tr:last-child td:last-child', (cell) => cell.textContent);
    assert.match(seedText, /^\d+$/);
    const seed = Number(seedText);
    assert.ok(Number.isSafeInteger(seed));
    assert.deepEqual(referenceTallies(5000, seed).tallies, tallies);
    // Two runs from the clock draw differently.
    await page.click('#cmdSimular');
    const again = await page.$eval('.history-table tbody tr:last-child td:last-child', (cell) => cell.textContent);
    assert.notEqual(again, seedText);
});
