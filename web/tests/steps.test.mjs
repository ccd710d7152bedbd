// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Ensayo a ensayo" in the teaching panel: trials taken one, ten or a hundred at a
// time end on the command line's tallies for the same seed; the drawing shows the
// choices the engine drew; the prediction is set beside the run at its end and kept
// in the history; every control is reached and works from the keyboard alone; the
// 95 % band and the margin's lines follow the run.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { focused, launchBrowser, locales, openPage, pressAccessKey, referenceExperimentRun,
         referenceTallies } from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

// The panel open, trials shown at once, and a run of `trials` begun.
async function stepPage({ query = '', trials = 100, experiment = null } = {}) {
    const opened = await openPage(browser, { query });
    await opened.page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    await opened.page.keyboard.press('F2');
    if (experiment) {
        await opened.page.$eval('#experiment-shooters', (box, value) => { box.value = value; box.dispatchEvent(new Event('input')); }, String(experiment.shooters));
        await opened.page.$eval('#experiment-plates', (box, value) => { box.value = value; box.dispatchEvent(new Event('input')); }, String(experiment.plates));
    }
    await opened.page.$eval('#step-count', (box, value) => { box.value = value; box.dispatchEvent(new Event('change')); }, String(trials));
    return opened;
}

// The counts of each number broken, as the tally beside the theory writes them.
const tallyCounts = (page) => page.$$eval('#step-tally li', (items) =>
    items.map((item) => Number(item.textContent.match(/: ([\d.]+) \(/)[1].replaceAll('.', ''))));

// After the next frame, when the charts have followed the last trials.
const charted = (page) => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));

const progress = (page) => page.$eval('#step-progress', (p) => p.textContent);

async function take(page, batches) {
    for (const [button, times] of batches) {
        for (let i = 0; i < times; ++i) {
            if (button === 'space') await page.keyboard.press(' ');
            else await page.click(`#step-${button}`);
        }
    }
}

const runs = [
    { seed: 1, trials: 50, batches: [['space', 50]], how: 'one by one (space bar)' },
    { seed: 7, trials: 50, batches: [['ten', 5]], how: 'by tens' },
    { seed: 2026, trials: 1000, batches: [['hundred', 10]], how: 'by hundreds' },
    { seed: 424242, trials: 235, batches: [['hundred', 2], ['ten', 3], ['one', 5]], how: 'mixed' },
];

for (const { seed, trials, batches, how } of runs) {
    test(`${trials} trials ${how} with seed ${seed} give the command line's tallies`, async () => {
        const { page, errors } = await stepPage({ query: `?semilla=${seed}`, trials });
        await page.focus('#step-scene');
        assert.equal(await page.$eval('#step-seed', (p) => p.textContent), `Semilla: ${seed}`);
        await take(page, batches);
        const expected = referenceTallies(trials, seed);
        assert.deepEqual(await tallyCounts(page), expected.tallies);
        const grouped = String(trials).replace(/\B(?=(\d{3})+$)/g, '.');
        assert.equal(await progress(page), `Ensayos: ${grouped} de ${grouped}`);
        // The finished run is the history's newest, with the same counts and seed.
        const header = await page.$$eval('.history-table thead th', (ths) => ths.map((th) => th.textContent));
        const row = await page.$$eval('.history-table tbody tr', (trs) => [...trs.at(-1).cells].map((c) => c.textContent));
        const cell = (name) => row[header.indexOf(name)];
        assert.deepEqual([cell('Un plato'), cell('Dos platos'), cell('Tres platos')].map((t) => Number(t.replaceAll('.', ''))),
                         expected.tallies);
        assert.equal(cell('Semilla'), String(seed));
        // More trials than the run has take none.
        await page.click('#step-one').catch(() => {});
        assert.deepEqual(await tallyCounts(page), expected.tallies);
        assert.deepEqual(errors, []);
    });
}

test('the drawing shows the choices the engine drew, for 4 shooters and 8 plates too', async () => {
    const seed = 31;
    const { page } = await stepPage({ query: `?semilla=${seed}`, trials: 40, experiment: { shooters: 4, plates: 8 } });
    for (let trial = 1; trial <= 40; ++trial) {
        await page.click('#step-one');
        const shown = await page.evaluate(() => ({
            line: document.querySelector('#step-recent p:last-child').textContent,
            sights: [...document.querySelectorAll('.sight-number')].map((t) => Number(t.textContent)),
            broken: [...document.querySelectorAll('.scene-plate.broken .plate-number')].map((t) => Number(t.textContent)),
            plates: document.querySelectorAll('.scene-plate').length,
            outcome: document.getElementById('step-outcome').textContent,
        }));
        const [, number, choices, rotos] = shown.line.match(/^Ensayo (\d+): ([\d, ]+) → (\d+) rotos?$/);
        assert.equal(Number(number), trial);
        assert.deepEqual(shown.sights, choices.split(', ').map(Number), shown.line);
        assert.deepEqual(shown.broken, [...new Set(shown.sights)].sort((a, b) => a - b));
        assert.equal(shown.broken.length, Number(rotos));
        assert.equal(shown.plates, 8);
        const intact = 8 - Number(rotos);
        assert.equal(shown.outcome, `${rotos} ${rotos === '1' ? 'plato roto' : 'platos rotos'}, ${intact} ${intact === 1 ? 'intacto' : 'intactos'}`);
    }
    assert.equal(await page.$$eval('#step-recent p', (items) => items.length), 20, 'the last 20 trials');
    const whole = referenceExperimentRun(locales.es.symbols, '40', seed, 4, 8);
    assert.deepEqual(await tallyCounts(page), whole.tally.broken);
    // One band for each number of plates four shooters can break.
    await charted(page);
    assert.equal(await page.$$eval('svg[aria-label="Gráfico de convergencia"] .margin-band', (b) => b.length), 4);
});

test('the prediction is set beside the run and the theory, and kept in the history', async () => {
    const { page } = await stepPage({ query: '?semilla=12', trials: 100 });
    await page.select('#step-guess-broken', '2');
    await page.$eval('#step-guess-percent', (box) => { box.value = '50'; });
    await page.click('#step-hundred');
    const sentence = await page.$eval('#step-sentence', (p) => p.textContent);
    const [one, two, three] = referenceTallies(100, 12).tallies;
    const modal = three >= two && three >= one ? 3 : two >= one ? 2 : 1;
    const share = [one, two, three][modal - 1];
    assert.equal(sentence, `Tu predicción: 2 platos, 50\u00A0%. Simulación: ${modal} platos, ${share},00\u00A0%. Teoría: 3 platos, 55,56\u00A0%.`);
    assert.equal(await page.$eval('#step-guess-broken', (s) => s.disabled), true, 'no guessing once the run is under way');
    const header = await page.$$eval('.history-table thead th', (ths) => ths.map((th) => th.textContent));
    const row = await page.$$eval('.history-table tbody tr', (trs) => [...trs.at(-1).cells].map((c) => c.textContent));
    assert.equal(row[header.indexOf('Predicción')], '2 platos, 50\u00A0%');

    // Without a guess the sentence starts at the simulation, and the column stays empty.
    await page.click('#step-restart');
    await page.select('#step-guess-broken', '0');
    await page.click('#step-hundred');
    assert.match(await page.$eval('#step-sentence', (p) => p.textContent), /^Simulación: /);
    const last = await page.$$eval('.history-table tbody tr', (trs) => [...trs.at(-1).cells].map((c) => c.textContent));
    assert.equal(last[header.indexOf('Predicción')], '');
});

test('every control is reached by Tab and works by its access key and the space bar', async () => {
    const { page } = await stepPage({ query: '?semilla=5', trials: 1000 });
    const controls = ['step-guess-broken', 'step-guess-percent', 'step-one', 'step-ten', 'step-hundred', 'step-play',
                      'step-speed', 'step-still', 'step-count', 'step-restart', 'teaching-margin', 'teaching-large'];
    const reached = new Set();
    let sceneReached = false;
    await page.focus('#teachingTitle');
    for (let i = 0; i < 60 && reached.size < controls.length; ++i) {
        await page.keyboard.press('Tab');
        const id = await focused(page);
        if (controls.includes(id)) reached.add(id);
        sceneReached ||= await page.evaluate(() => document.activeElement?.id === 'step-scene');
    }
    assert.deepEqual(controls.filter((id) => !reached.has(id)), [], 'reached by Tab');
    assert.ok(sceneReached, 'the drawing takes the focus, for the space bar');

    const done = async () => Number((await progress(page)).match(/Ensayos: ([\d.]+)/)[1].replaceAll('.', ''));
    const keyOf = (id) => page.$eval(`#${id}`, (element) => element.accessKey);
    const keys = Object.fromEntries(await Promise.all(controls.map(async (id) => [id, await keyOf(id)])));
    assert.equal(new Set(Object.values(keys)).size, controls.length, `distinct access keys: ${JSON.stringify(keys)}`);
    const windowKeys = await page.$$eval('#frmVesquin [accesskey]', (all) => all.map((e) => e.accessKey));
    assert.ok(Object.values(keys).every((key) => key && !windowKeys.includes(key)), 'none of the window\'s letters');

    // The guesses are made before the run, while their boxes take the focus.
    for (const id of ['step-guess-broken', 'step-guess-percent']) {
        await pressAccessKey(page, keys[id]);
        assert.equal(await focused(page), id);
    }
    await page.focus('#step-scene');
    await page.keyboard.press(' ');
    assert.equal(await done(), 1, 'space on the drawing');
    await pressAccessKey(page, keys['step-one']);
    assert.equal(await done(), 2);
    await pressAccessKey(page, keys['step-ten']);
    assert.equal(await done(), 12);
    await pressAccessKey(page, keys['step-hundred']);
    assert.equal(await done(), 112);

    await page.$eval('#step-speed', (box) => { box.value = '20'; });
    await pressAccessKey(page, keys['step-play']);
    assert.equal(await page.$eval('#step-play', (b) => b.getAttribute('aria-pressed')), 'true');
    assert.equal(await page.$eval('#step-recent', (list) => list.getAttribute('aria-live')), 'off', 'not spoken while it plays');
    await page.waitForFunction(() => /Ensayos: 11[5-9]/.test(document.getElementById('step-progress').textContent), { timeout: 3000 });
    const pauseKey = await keyOf('step-play');
    assert.notEqual(pauseKey, keys['step-play'], 'Pausa has its own letter');
    await pressAccessKey(page, pauseKey);
    const stopped = await done();
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.equal(await done(), stopped, 'paused');
    assert.equal(await page.$eval('#step-recent', (list) => list.getAttribute('aria-live')), 'polite');

    for (const id of ['step-speed', 'step-count']) {
        await pressAccessKey(page, keys[id]);
        assert.equal(await focused(page), id);
    }
    await pressAccessKey(page, keys['step-still']);
    assert.equal(await page.$eval('#step-still', (box) => box.checked), false, 'the check box follows its key');
    await charted(page);
    await pressAccessKey(page, keys['teaching-margin']);
    assert.equal(await page.$$eval('.margin-band', (bands) => bands.length), 0, 'the band goes with the check box');
    await pressAccessKey(page, keys['teaching-margin']);
    assert.equal(await page.$$eval('.margin-band', (bands) => bands.length), 3);
    await pressAccessKey(page, keys['teaching-large']);
    assert.equal(await page.$eval('#teaching', (panel) => panel.classList.contains('large-screen')), true);
    await pressAccessKey(page, keys['step-restart']);
    assert.equal(await done(), 0);
    assert.equal(await page.$eval('#step-guess-broken', (s) => s.disabled), false);
});

test('the margin lines and the band follow the run, with the engine\'s sentence', async () => {
    const { page } = await stepPage({ query: '?semilla=8', trials: 1000 });
    const explanation = await page.$eval('#teaching-margin-description', (p) => p.textContent);
    assert.match(explanation, /^La franja sombreada es el margen del 95\u00A0%/);
    assert.equal(await page.$eval('#teaching-margin', (box) => box.checked), true, 'on at first');
    await page.click('#step-ten');
    await charted(page);
    const lines = await page.$$eval('#teaching-margin-lines li', (items) => items.map((li) => li.textContent));
    assert.equal(lines.length, 3);
    for (const line of lines) {
        assert.match(line, /^(Un plato roto|Dos platos rotos|Tres platos rotos): a \d+,\d\d veces el margen de la teoría, (dentro|fuera) del margen\.$/);
    }
    // The band's right end is at the run's trials, where the chart's last point is.
    const ends = async () => page.$eval('svg[aria-label="Gráfico de convergencia"]', (chart) => {
        const last = (points) => Number(points.trim().split(' ').at(-1).split(',')[0]);
        const band = chart.querySelector('.margin-band').getAttribute('points').trim().split(' ');
        return { series: last(chart.querySelector('polyline').getAttribute('points')),
                 band: Math.max(...band.map((p) => Number(p.split(',')[0]))) };
    });
    let at = await ends();
    assert.ok(Math.abs(at.series - at.band) < 0.01, JSON.stringify(at));
    await page.click('#step-hundred');
    await charted(page);
    at = await ends();
    assert.ok(Math.abs(at.series - at.band) < 0.01, JSON.stringify(at));
});

test('another language relabels the part and keeps its run, with access keys apart from the window\'s', async () => {
    const { page } = await stepPage({ query: '?semilla=6', trials: 100 });
    await page.click('#step-ten');
    const before = await page.evaluate(() => ({
        one: document.getElementById('step-one').textContent,
        recent: [...document.querySelectorAll('#step-recent p')].map((p) => p.textContent),
        tally: document.getElementById('step-tally').textContent,
    }));
    await page.select('#languageChoice', 'en');
    const after = await page.evaluate(() => ({
        one: document.getElementById('step-one').textContent,
        recent: [...document.querySelectorAll('#step-recent p')].map((p) => p.textContent),
        keys: [...document.querySelectorAll('#teaching [accesskey]')].map((e) => e.accessKey),
        windowKeys: [...document.querySelectorAll('#frmVesquin [accesskey]')].map((e) => e.accessKey),
        progress: document.getElementById('step-progress').textContent,
    }));
    assert.equal(after.recent.length, before.recent.length, 'the same trials listed');
    assert.match(after.progress, /10/);
    assert.equal(new Set([...after.keys, ...after.windowKeys]).size, after.keys.length + after.windowKeys.length,
                 `one control a letter: ${after.keys} / ${after.windowKeys}`);
    await page.click('#step-ten');
    assert.equal(await page.$$eval('#step-recent p', (items) => items.length), 20);
    await page.select('#languageChoice', 'es');
    assert.equal(await page.$eval('#step-one', (b) => b.textContent), before.one);
});
