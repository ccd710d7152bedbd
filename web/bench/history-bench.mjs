// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel with a long history, in headless Chromium (Debian's): 10.000
// runs of one trial are made with the panel closed, then
//   - opening the panel (F2's command) until the next frame has been drawn, median of 5;
//   - a run (Simular) with the panel open, until the next frame, median of 21;
//   - choosing a history row, until the next frame, median of 21.
//   VESQUIN_PAGE=build-web/web/vesquin.html node bench/history-bench.mjs
// Targets: opening at most 300 ms, a run at most 50 ms. Exits 1 when one is missed.
import { launchBrowser, openPage, setCount } from '../tests/browser.mjs';

const rows = 10000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launchBrowser();
try {
    const { page } = await openPage(browser, { query: '?semilla=3' });
    await setCount(page, '1');
    await page.evaluate((count) => {
        const button = document.getElementById('cmdSimular');
        for (let i = 0; i < count; ++i) button.click();
    }, rows);
    // Each command is timed until the browser has drawn what it changed.
    const timed = (what) => page.evaluate(async (action) => {
        const drawn = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
        const act = {
            open: () => document.getElementById('teachingLink').click(),
            close: () => document.getElementById('teaching-close').click(),
            run: () => document.getElementById('cmdSimular').click(),
            choose: () => {
                const buttons = document.querySelectorAll('.history-table tbody button');
                buttons[Math.floor(Math.random() * buttons.length)].click();
            },
        }[action];
        await drawn();
        const start = performance.now();
        act();
        await drawn();
        return performance.now() - start;
    }, what);

    const opening = [];
    for (let i = 0; i < 5; ++i) {
        opening.push(await timed('open'));
        await timed('close');
    }
    await timed('open');
    const runs = [];
    for (let i = 0; i < 21; ++i) runs.push(await timed('run'));
    // The latest run's number, at the foot of the history: how many rows it holds.
    const shown = Number(await page.$eval('.history-table tbody tr:last-child button', (b) => b.textContent));
    const drawn = await page.$$eval('.history-table tbody tr', (trs) => trs.length);
    const choosing = [];
    for (let i = 0; i < 21; ++i) choosing.push(await timed('choose'));

    const line = (name, values, target) =>
        `${name}: median ${median(values).toFixed(1)} ms, min ${Math.min(...values).toFixed(1)}, ` +
        `max ${Math.max(...values).toFixed(1)} (${values.length} times${target ? `; target <= ${target} ms` : ''})`;
    console.log(`Chromium ${await browser.version()}, history of ${shown} rows (${drawn} of them in the page)`);
    console.log(line('opening the panel', opening, 300));
    console.log(line('a run with the panel open', runs, 50));
    console.log(line('choosing a history row', choosing, 50));
    process.exitCode = median(opening) <= 300 && median(runs) <= 50 && shown >= rows ? 0 : 1;
} finally {
    await browser.close();
}
