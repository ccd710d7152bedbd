// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the page looks and reads: axe-core finds no accessibility violation on the
// window (wide and narrow, with results and with a message) nor on the teaching
// panel; at 1366 x 768 and at 375 x 667 no control is clipped, none covers
// another, and nothing runs off the side. The screenshots are kept for a person
// to look at (VESQUIN_SHOTS).
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, setCount } from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

async function violations(page, selector = 'body') {
    await page.evaluate(axeSource);
    const result = await page.evaluate(async (context) => {
        const found = await window.axe.run(context, { resultTypes: ['violations'] });
        return found.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    }, selector);
    return result;
}

const views = [['wide', 1366, 768], ['narrow', 375, 667]];

for (const [name, width, height] of views) {
    test(`axe finds no violation on the window, ${name}`, async () => {
        const { page } = await openPage(browser, { width, height });
        assert.deepEqual(await violations(page), [], 'at start');
        await setCount(page, '1000');
        await page.keyboard.press('Enter');
        assert.deepEqual(await violations(page), [], 'after a run');
        await setCount(page, 'abc');
        await page.keyboard.press('Enter');
        assert.deepEqual(await violations(page), [], 'with a message');
    });

    test(`axe finds no violation on the teaching panel, ${name}`, async () => {
        const { page } = await openPage(browser, { width, height });
        await setCount(page, '1000');
        await page.keyboard.press('Enter');
        await page.keyboard.press('F2');
        await page.waitForSelector('#teaching:not([hidden])');
        assert.deepEqual(await violations(page), []);
    });

    test(`nothing clipped, covered or off the side at ${width} x ${height}`, async () => {
        const { page } = await openPage(browser, { width, height });
        await setCount(page, '1000000');
        await page.keyboard.press('Enter');
        const problems = await page.evaluate(() => {
            const found = [];
            const window = document.getElementById('frmVesquin');
            const controls = [...window.querySelectorAll(':scope > [id]')];
            const box = (e) => e.getBoundingClientRect();
            if (document.documentElement.scrollWidth > innerWidth) found.push('the page scrolls sideways');
            for (const control of controls) {
                const r = box(control);
                if (r.left < 0 || r.right > innerWidth + 0.5) found.push(`${control.id} runs off the side`);
                // Text that does not fit its control.
                if (control.matches('.kind-frame, .caption')) continue;
                if (control.scrollWidth > control.clientWidth + 1 || control.scrollHeight > control.clientHeight + 1)
                    found.push(`${control.id} is clipped`);
            }
            // What each control paints must not overlap what another paints: a label's
            // lines of text, a box's or a button's face. The desktop's own boxes share
            // their borders (15 twips), so faces are taken a border's width inside.
            const painted = (control) => {
                if (control.classList.contains('kind-label')) {
                    const range = document.createRange();
                    range.selectNodeContents(control);
                    return [...range.getClientRects()];
                }
                const r = box(control);
                const inset = Math.max(2, r.width * 0.02);
                return [{ left: r.left + inset, right: r.right - inset, top: r.top + 2, bottom: r.bottom - 2 }];
            };
            const paintable = controls.filter((c) => !c.matches('.kind-frame, .caption'));
            for (const a of paintable) {
                for (const b of paintable) {
                    if (a.id >= b.id) continue;
                    const hit = painted(a).some((ra) => painted(b).some((rb) =>
                        Math.min(ra.right, rb.right) - Math.max(ra.left, rb.left) > 0.5 &&
                        Math.min(ra.bottom, rb.bottom) - Math.max(ra.top, rb.top) > 0.5));
                    if (hit) found.push(`${a.id} overlaps ${b.id}`);
                }
            }
            return found;
        });
        assert.deepEqual(problems, []);
        if (process.env.VESQUIN_SHOTS) {
            mkdirSync(process.env.VESQUIN_SHOTS, { recursive: true });
            await page.screenshot({ path: join(process.env.VESQUIN_SHOTS, `window-${width}x${height}.png`), fullPage: true });
            await page.keyboard.press('F2');
            await page.waitForSelector('#teaching:not([hidden])');
            await page.screenshot({ path: join(process.env.VESQUIN_SHOTS, `teaching-${width}x${height}.png`), fullPage: true });
        }
    });
}
