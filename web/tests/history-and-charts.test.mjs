// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel's history and charts: emptying asks the engine's question and
// the focus stays on a live control after every answer and after choosing a row, so
// Escape and Enter keep their meaning; a long history keeps only the rows in view in
// the page; the charts take the desktop's colours, legible against their background,
// with tick text that a phone shows at a readable size, and the image carries the legend.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { focused, launchBrowser, openPage, setCount } from './browser.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

async function run(page, count) {
    await setCount(page, count);
    await page.keyboard.press('Enter');
}

const panelOpen = (page) => page.$eval('#teaching', (panel) => !panel.hidden);
const rowCount = (page) => page.$$eval('.history-table tbody tr', (trs) => trs.length);
const focusedClass = (page) => page.evaluate(() => document.activeElement?.className ?? '');

async function panelWithRuns(runs, options = {}) {
    const { page } = await openPage(browser, options);
    for (let i = 0; i < runs; ++i) await run(page, '10');
    await page.keyboard.press('F2');
    return page;
}

test('Vaciar asks how many runs go; Cancelar keeps them, Escape too, with the focus on Vaciar', async () => {
    const page = await panelWithRuns(3);
    for (const answer of ['click', 'Escape']) {
        await page.click('#teaching-empty');
        assert.equal(await page.$eval('#emptyQuestion', (d) => d.open), true);
        assert.equal(await page.$eval('#emptyQuestionText', (p) => p.textContent),
                     '¿Vaciar el historial? Se borrarán las 3 ejecuciones anotadas; las que no se hayan copiado o guardado se perderán.');
        assert.equal(await focused(page), 'emptyQuestion-keep', 'the safe answer has the focus');
        if (answer === 'click') await page.click('#emptyQuestion-keep'); else await page.keyboard.press('Escape');
        assert.equal(await page.$eval('#emptyQuestion', (d) => d.open), false);
        assert.equal(await rowCount(page), 3, answer);
        assert.equal(await focused(page), 'teaching-empty', answer);
        assert.equal(await panelOpen(page), true, 'Escape answered the question only');
    }
});

test('after emptying, the focus is on the history, and Escape closes the panel; Enter runs nothing', async () => {
    const page = await panelWithRuns(1);
    await page.click('#teaching-empty');
    assert.equal(await page.$eval('#emptyQuestionText', (p) => p.textContent),
                 '¿Vaciar el historial? Se borrará la ejecución anotada; si no se ha copiado o guardado, se perderá.');
    await page.click('#emptyQuestion-empty');
    assert.equal(await rowCount(page), 0);
    assert.equal(await focusedClass(page), 'history-scroll');
    await page.keyboard.press('Enter');
    assert.equal(await rowCount(page), 0, 'Enter did not run a simulation');
    await page.keyboard.press('Escape');
    assert.equal(await panelOpen(page), false);
    assert.notEqual(await focused(page), '');
});

test('choosing a row keeps the focus on its button; Enter and Escape still work', async () => {
    const page = await panelWithRuns(4);
    await page.click('.history-table tbody tr:nth-child(2) button');
    const state = () => page.evaluate(() => ({
        focus: document.activeElement?.dataset.number,
        pressed: [...document.querySelectorAll('.history-table tbody button')].map((b) => b.getAttribute('aria-pressed')),
        title: document.querySelector('.theory-table thead th:last-child').textContent,
    }));
    assert.deepEqual(await state(), { focus: '2', pressed: ['false', 'true', 'false', 'false'], title: 'Simulación nº 2\n(10 ensayos)' });
    await page.focus('.history-table tbody tr:nth-child(3) button');
    await page.keyboard.press('Enter');
    assert.deepEqual(await state(), { focus: '3', pressed: ['false', 'false', 'true', 'false'], title: 'Simulación nº 3\n(10 ensayos)' });
    assert.equal(await rowCount(page), 4, 'Enter chose the row and ran nothing');
    await page.keyboard.press('Escape');
    assert.equal(await panelOpen(page), false);
});

test('a long history keeps only the rows in view in the page, and a run adds its row at the foot', async () => {
    const { page } = await openPage(browser, { query: '?semilla=9' });
    await setCount(page, '1');
    await page.evaluate(() => { for (let i = 0; i < 3000; ++i) document.getElementById('cmdSimular').click(); });
    await page.keyboard.press('F2');
    const drawn = await rowCount(page);
    assert.ok(drawn > 5 && drawn < 200, `${drawn} rows in the page`);
    const last = () => page.$eval('.history-table tbody tr:last-child button', (b) => b.textContent);
    assert.equal(await last(), '3000');
    await page.click('#cmdSimular');
    assert.equal(await last(), '3001');
    // Scrolled to the top, the first runs are drawn.
    await page.$eval('.history-scroll', (region) => { region.scrollTop = 0; });
    await page.waitForFunction(() => document.querySelector('.history-table tbody tr button')?.textContent === '1');
    assert.ok(await rowCount(page) < 200);
});

// WCAG's contrast ratio of two "#rrggbb" colours.
function contrast(first, second) {
    const luminance = (hex) => {
        const [r, g, b] = [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16) / 255)
            .map((c) => (c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const [a, b] = [luminance(first), luminance(second)].sort((x, y) => y - x);
    return (a + 0.05) / (b + 0.05);
}

test('the charts draw with the desktop\'s palette, each colour at least 3:1 against the background', async () => {
    const desktop = JSON.parse(execFileSync(process.env.VESQUIN_REFERENCE_RUN, ['--paleta'], { encoding: 'utf8' })).light;
    const page = await panelWithRuns(1);
    const drawn = await page.evaluate(() => {
        const charts = [...document.querySelectorAll('.teaching-charts svg')];
        const attribute = (selector, name) => [...charts[0].ownerDocument.querySelectorAll(selector)].map((e) => e.getAttribute(name));
        return {
            backgrounds: charts.map((chart) => chart.querySelector('rect').getAttribute('fill')),
            series: attribute('.teaching-charts .series', 'stroke').slice(0, 3),
            theoryLines: attribute('.teaching-charts .theory-line', 'stroke').slice(0, 3),
            simulated: attribute('.teaching-charts .bar-simulated', 'fill'),
            theory: attribute('.teaching-charts .bar-theory', 'fill'),
            opacity: [...document.querySelectorAll('.teaching-charts rect[class^="bar-"]')].map((r) => getComputedStyle(r).fillOpacity),
        };
    });
    assert.deepEqual(drawn.backgrounds, [desktop.background, desktop.background, desktop.background]);
    assert.deepEqual(drawn.series, desktop.outcomes);
    assert.deepEqual(drawn.theoryLines, desktop.outcomes);
    assert.deepEqual(drawn.simulated, Array(3).fill(desktop.simulatedBar));
    assert.deepEqual(drawn.theory, Array(3).fill(desktop.theoryBar));
    assert.deepEqual(drawn.opacity, Array(6).fill('1'), 'bars are drawn solid');
    for (const colour of [...desktop.outcomes, desktop.simulatedBar, desktop.theoryBar]) {
        assert.ok(contrast(colour, desktop.background) >= 3, `${colour}: ${contrast(colour, desktop.background).toFixed(2)}:1`);
    }
});

test('on a phone the chart text is at least 11 px and no two labels overlap', async () => {
    const page = await panelWithRuns(1, { width: 390, height: 844 });
    await run(page, '1.000.000');
    const charts = await page.evaluate(() => [...document.querySelectorAll('.teaching-charts svg')].map((chart) => {
        const scale = chart.getBoundingClientRect().width / chart.viewBox.baseVal.width;
        const texts = [...chart.querySelectorAll('text')];
        const boxes = texts.map((t) => t.getBoundingClientRect());
        const overlaps = [];
        boxes.forEach((a, i) => boxes.slice(i + 1).forEach((b, j) => {
            const overlap = Math.min(a.right, b.right) - Math.max(a.left, b.left) > 1 &&
                            Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 1;
            if (overlap) overlaps.push(`${texts[i].textContent} / ${texts[i + 1 + j].textContent}`);
        }));
        return { smallest: Math.min(...texts.map((t) => parseFloat(getComputedStyle(t).fontSize) * scale)), overlaps };
    }));
    for (const [i, chart] of charts.entries()) {
        assert.ok(chart.smallest >= 11, `chart ${i}: ${chart.smallest.toFixed(1)} px`);
        assert.deepEqual(chart.overlaps, [], `chart ${i}`);
    }
});

test('the downloaded image holds the legend under the charts', async () => {
    const page = await panelWithRuns(1);
    const image = await page.evaluate(async () => {
        let saved = null;
        const original = URL.createObjectURL;
        URL.createObjectURL = (blob) => { if (blob.type === 'image/png') saved = blob; return original(blob); };
        HTMLAnchorElement.prototype.click = function () {};
        document.getElementById('teaching-image').click();
        for (let i = 0; i < 100 && !saved; ++i) await new Promise((resolve) => setTimeout(resolve, 50));
        const bytes = new Uint8Array(await saved.arrayBuffer());
        const legend = document.querySelector('.teaching-charts svg.chart-legend');
        const heights = [...document.querySelectorAll('.teaching-charts svg')].map((svg) => svg.viewBox.baseVal.height);
        return { height: new DataView(bytes.buffer).getUint32(20), heights,
                 legend: [...legend.querySelectorAll('text')].map((t) => t.textContent) };
    });
    assert.deepEqual(image.legend, ['Un plato', 'Dos platos', 'Tres platos', 'Teoría',
                                    'Simulación (barra izquierda)', 'Teoría (barra derecha)']);
    assert.equal(image.heights.length, 3);
    assert.equal(image.height, 2 * image.heights.reduce((sum, h) => sum + h, 0));
});
