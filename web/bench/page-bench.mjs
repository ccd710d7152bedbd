// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web edition's speed and size, measured in headless Chromium (Debian's):
//   - 1.000.000 trials: Simular pressed with that count, until the boxes are
//     written (the whole command: engine run, texts, boxes), median of 101;
//   - the page ready: from the start of navigation from file:// until the window
//     built by the page has been drawn (performance mark), median of 15 loads;
//   - the size of vesquin.html.
//   VESQUIN_PAGE=build-web/web/vesquin.html node bench/page-bench.mjs
// Targets: at most 5 ms, at most 300 ms, at most 600 KB. Exits 1 when one is missed.
import { statSync } from 'node:fs';
import { launchBrowser, openPage, setCount } from '../tests/browser.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await launchBrowser();
try {
    const { page } = await openPage(browser, { query: '?semilla=1' });
    const timedRuns = async (count) => {
        await setCount(page, count);
        return page.evaluate(() => {
            const button = document.getElementById('cmdSimular');
            const times = [];
            for (let i = 0; i < 102; ++i) {
                const start = performance.now();
                button.click();
                times.push(performance.now() - start);
            }
            return times.slice(1);  // the first run warms the engine up
        });
    };
    // What a command costs besides its trials: one trial.
    const overhead = median(await timedRuns('1'));
    const runs = await timedRuns('1000000');
    const simd = await page.evaluate(() => WebAssembly.validate(new Uint8Array([
        0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0, 65, 0,
        253, 15, 253, 98, 11])));

    const loads = [];
    for (let i = 0; i < 15; ++i) {
        const { page: fresh } = await openPage(browser);
        await fresh.waitForFunction(() => performance.getEntriesByName('vesquin-drawn').length > 0);
        loads.push(await fresh.evaluate(() => performance.getEntriesByName('vesquin-drawn')[0].startTime));
        await fresh.close();
    }

    const size = statSync(process.env.VESQUIN_PAGE).size;
    const trials = median(runs);
    const ready = median(loads);
    console.log(`Chromium ${await browser.version()}, WebAssembly SIMD ${simd ? 'available' : 'MISSING'}`);
    console.log(`1.000.000 trials (Simular): median ${trials.toFixed(2)} ms, min ${Math.min(...runs).toFixed(2)}, max ${Math.max(...runs).toFixed(2)} (101 runs; target <= 5 ms)`);
    console.log(`the same command for 1 trial: median ${overhead.toFixed(2)} ms`);
    console.log(`page ready from file://: median ${ready.toFixed(1)} ms, min ${Math.min(...loads).toFixed(1)}, max ${Math.max(...loads).toFixed(1)} (15 loads; target <= 300 ms)`);
    console.log(`vesquin.html: ${size} bytes = ${(size / 1024).toFixed(1)} KB (target <= 600 KB)`);
    process.exitCode = trials <= 5 && ready <= 300 && size <= 600 * 1024 ? 0 : 1;
} finally {
    await browser.close();
}
