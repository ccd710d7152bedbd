// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How "Ensayo a ensayo", the margin and Pantalla grande look and read: axe-core finds
// no violation in light and dark colours, on a large screen and at phone width;
// nothing in the teaching panel runs off the side there, nor at twice the browser's
// zoom; Pantalla grande doubles the panel's texts and the charts' lines. The
// screenshots are kept for a person to look at (VESQUIN_SHOTS).
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

async function violations(page) {
    await page.evaluate(axeSource);
    return page.evaluate(async () => {
        const found = await window.axe.run(document.getElementById('teaching'), { resultTypes: ['violations'] });
        return found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    });
}

// What in the panel reaches past the window's right edge, outside the boxes that
// scroll on purpose (the history and the grid of cases).
const overflowing = (page) => page.evaluate(() => {
    const found = [];
    if (document.documentElement.scrollWidth > innerWidth) found.push('the page scrolls sideways');
    for (const element of document.querySelectorAll('#teaching *')) {
        if (element.closest('.history-scroll, .case-grid-scroll')) continue;
        const box = element.getBoundingClientRect();
        if (box.width > 0 && box.right > innerWidth + 0.5) found.push(`${element.id || element.tagName} reaches ${Math.round(box.right)}`);
    }
    return found.slice(0, 10);
});

const looks = [
    { name: 'light', width: 1366, height: 768, dark: false, large: false },
    { name: 'dark', width: 1366, height: 768, dark: true, large: false },
    { name: 'large', width: 1366, height: 768, dark: false, large: true },
    { name: 'large-dark', width: 1366, height: 768, dark: true, large: true },
    { name: 'phone', width: 375, height: 667, dark: false, large: false },
    { name: 'zoom-200-large', width: 683, height: 384, dark: false, large: true },
];

for (const look of looks) {
    test(`the step part, the margin and the panel read well and fit: ${look.name}`, async () => {
        const { page, errors } = await openPage(browser, { width: look.width, height: look.height, query: '?semilla=19' });
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: look.dark ? 'dark' : 'light' },
                                         { name: 'prefers-reduced-motion', value: 'reduce' }]);
        await page.keyboard.press('F2');
        if (look.large) await page.click('#teaching-large');
        await page.click('#step-ten');
        await page.click('#step-one');
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
        assert.deepEqual(await violations(page), []);
        assert.deepEqual(await overflowing(page), []);
        assert.deepEqual(errors, []);
        if (process.env.VESQUIN_SHOTS) {
            mkdirSync(process.env.VESQUIN_SHOTS, { recursive: true });
            const panel = await page.$('#steps');
            await panel.screenshot({ path: join(process.env.VESQUIN_SHOTS, `steps-${look.name}.png`) });
            const charts = await page.$('.teaching-charts');
            await charts.screenshot({ path: join(process.env.VESQUIN_SHOTS, `steps-charts-${look.name}.png`) });
        }
    });
}

test('Pantalla grande doubles the texts and thickens the lines, and gives them back', async () => {
    const { page } = await openPage(browser, { query: '?semilla=2' });
    await page.keyboard.press('F2');
    await page.click('#step-hundred');
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
    const measure = () => page.evaluate(() => {
        const chart = document.querySelector('svg[aria-label="Gráfico de convergencia"]');
        const scale = chart.getBoundingClientRect().width / chart.viewBox.baseVal.width;
        const line = chart.querySelector('polyline.series');
        return {
            text: parseFloat(getComputedStyle(document.getElementById('step-outcome')).fontSize),
            tick: parseFloat(getComputedStyle(chart.querySelector('.tick')).fontSize) * scale,
            stroke: parseFloat(getComputedStyle(line).strokeWidth) * scale,
            colour: line.getAttribute('stroke'),
        };
    });
    const normal = await measure();
    await page.click('#teaching-large');
    const large = await measure();
    assert.ok(large.text >= 1.9 * normal.text, `texts ${normal.text} → ${large.text}`);
    assert.ok(large.tick >= 1.8 * normal.tick, `chart texts ${normal.tick} → ${large.tick}`);
    assert.ok(large.stroke >= 2 * normal.stroke, `lines ${normal.stroke} → ${large.stroke}`);
    assert.notEqual(large.colour, normal.colour, 'the high-contrast colours');
    await page.click('#teaching-large');
    assert.deepEqual(await measure(), normal);
});

test('picked plates break in under half a second, and at once where less motion is asked for', async () => {
    const { page } = await openPage(browser, { query: '?semilla=4' });
    await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'no-preference' }]);
    await page.keyboard.press('F2');
    await page.click('#step-one');
    const moving = await page.evaluate(() => document.getAnimations()
        .filter((a) => a.animationName === 'plate-breaks').map((a) => a.effect.getTiming().duration));
    const broken = await page.$$eval('.scene-plate.broken', (plates) => plates.length);
    assert.equal(moving.length, broken * 4, 'every piece of every broken plate moves');
    assert.ok(moving.every((ms) => ms > 0 && ms < 500), `${moving}`);

    await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    // The browser tells the page of the change by an event, which may come a moment later.
    await page.waitForFunction(() => document.querySelector('#step-still').checked, { timeout: 5000 })
        .catch(() => {});
    assert.equal(await page.$eval('#step-still', (box) => box.checked), true, 'Sin animación follows the browser');
    await page.evaluate(() => document.getAnimations().forEach((a) => a.finish()));
    await page.click('#step-one');
    assert.equal(await page.evaluate(() => document.getAnimations().filter((a) => a.playState === 'running').length), 0);
    assert.ok(await page.$$eval('.scene-plate.broken', (plates) => plates.length) >= 1, 'the plates are shown broken at once');
});
