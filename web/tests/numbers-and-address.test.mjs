// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers and the address: a percentage that is exactly a half at the third decimal
// reads rounded away from zero in the page as on the command line; a count pasted
// with a NUL character inside reaches the engine whole; a seed in the address that
// the command line would refuse is refused once, in the page's own message, and the
// runs take their seeds from the clock; a seed given twice is the one the command
// line takes.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, referenceTallies, setCount, value } from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

async function run(page, count) {
    await setCount(page, count);
    await page.keyboard.press('Enter');
}

const dialogText = (page) => page.$eval('#runFailure', (d) => (d.open ? document.getElementById('runFailureText').textContent : null));
const withoutIsolates = (text) => text.replace(/[\u2066-\u2069]/g, '');
const lastSeed = (page) => page.$eval('.history-table tbody tr:last-child td:last-child', (cell) => cell.textContent);

// Seeds found to give exact halves: 555.850 of 1.000.000 (55,585 %) and 22.294 of 40.000 (55,735 %).
const halves = [
    { seed: 166, count: '1.000.000', box: 'txtS3p', tally: '555.850', text: '55,59' },
    { seed: 1, count: '40.000', box: 'txtS3p', tally: '22.294', text: '55,74' },
];

for (const half of halves) {
    test(`seed ${half.seed}, ${half.count} trials: the half rounds up in the boxes, the history, the panel and the command line`, async () => {
        const { page } = await openPage(browser, { query: `?semilla=${half.seed}` });
        await run(page, half.count);
        assert.equal(await value(page, 'txtS3'), half.tally);
        assert.equal(await value(page, half.box), half.text);
        await page.keyboard.press('F2');
        const cells = await page.$$eval('.history-table tbody tr:last-child td', (tds) => tds.map((td) => td.textContent));
        assert.equal(cells[8], half.text);
        const theory = await page.$$eval('.theory-table tbody tr:nth-child(3) td', (tds) => tds.map((td) => td.textContent));
        assert.equal(theory.at(-1), `${half.text}\u00A0%`);

        const cli = spawnSync(process.env.VESQUIN_CLI, ['--ensayos', half.count.replaceAll('.', ''), '--semilla', String(half.seed)],
                              { encoding: 'utf8', env: { ...process.env, LC_ALL: 'es_ES.UTF-8', QT_QPA_PLATFORM: 'offscreen' } });
        assert.equal(cli.status, 0, cli.stderr);
        assert.match(cli.stdout, new RegExp(`${half.tally} veces \\(${half.text} %\\)`));
    });
}

test('a count pasted with a NUL inside is refused whole, not run as its first digits', async () => {
    const { page } = await openPage(browser);
    const before = await value(page, 'txtS1');
    await run(page, '10\u000000');
    const message = await dialogText(page);
    assert.ok(message, 'the page says why');
    assert.match(message, /^«.*» no es un número\./u);
    assert.ok(message.includes('\u0000'), JSON.stringify(message));
    assert.equal(await value(page, 'txtS1'), before, 'no run was performed');
});

const badSeeds = ['-1', '1e3', '', '1.5', '9007199254740992', 'abc', '+7', ' 7'];
for (const seed of badSeeds) {
    test(`?semilla=${JSON.stringify(seed)}: the command line's refusal, once, and seeds from the clock`, async () => {
        const { page } = await openPage(browser, { query: `?semilla=${encodeURIComponent(seed)}` });
        const message = await dialogText(page);
        assert.ok(message, 'a message is shown on load');
        const [refusal, notice] = withoutIsolates(message).split('. ');
        assert.equal(refusal, `«${seed}» no es una semilla: un entero de 0 a 9007199254740991, sin separadores`);
        assert.match(notice, /reloj/);
        const cli = spawnSync(process.env.VESQUIN_CLI, ['--ensayos', '10', `--semilla=${seed}`],
                              { encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
        assert.equal(cli.status, 2);
        // The very sentence, the value quoted and isolated alike, in the command line's one
        // usage-error form: its name before, its usage hint after.
        const [isolatedRefusal] = message.split('. ');
        assert.ok(cli.stderr.startsWith(`vesquin: ${isolatedRefusal}. Uso: `), cli.stderr);
        assert.equal(cli.stderr.indexOf('\n'), cli.stderr.length - 1, cli.stderr);

        await page.click('#runFailureAccept');
        await run(page, '10');
        await run(page, '10');
        assert.equal(await dialogText(page), null, 'the message is not shown again');
        await page.keyboard.press('F2');
        const seeds = await page.$$eval('.history-table tbody tr td:last-child', (tds) => tds.map((td) => td.textContent));
        assert.equal(seeds.length, 2);
        assert.notEqual(seeds[0], seeds[1], 'each run drew its own seed');
    });
}

test('a seed given twice: the last, as on the command line; a bad one among them refuses', async () => {
    const { page } = await openPage(browser, { query: '?semilla=5&semilla=7' });
    assert.equal(await dialogText(page), null);
    await run(page, '1000');
    await page.keyboard.press('F2');
    assert.equal(await lastSeed(page), '7');
    const expected = referenceTallies(1000, 7).tallies;
    const shown = await Promise.all(['txtS1', 'txtS2', 'txtS3'].map(async (name) => Number((await value(page, name)).replaceAll('.', ''))));
    assert.deepEqual(shown, expected);

    const { page: refused } = await openPage(browser, { query: '?semilla=5&semilla=x' });
    assert.match(withoutIsolates(await dialogText(refused)), /^«x» no es una semilla/);
});
