// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Ensayo a ensayo" in headless Chromium (Debian's), with the user asking for less
// motion so that each trial is drawn at once:
//   - one step: the space bar on the drawing until the trial is drawn and laid out
//     (the engine's draw, the texts, the scene, the tally, the charts and the
//     theory that follow it), median of 300 steps after 20 to warm up;
//   - the same step until the charts have followed it, at the next frame (which
//     includes the wait for that frame), median of 100;
//   - a run of 10.000 trials taken one by one: the script's heap after a garbage
//     collection and the page's DOM nodes at points along it, which should stay flat.
//   VESQUIN_PAGE=build-web/web/vesquin.html node bench/step-bench.mjs
// Targets: one step at most 16 ms; the heap near the end at most 25 % (and 2 MB) above
// its size after 1.000 trials, the DOM nodes no more than 1 % apart. Exits 1 when missed.
import { launchBrowser, openPage } from '../tests/browser.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.floor(values.length * p)];
const browser = await launchBrowser();
try {
    const { page } = await openPage(browser, { query: '?semilla=1' });
    await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    await page.keyboard.press('F2');
    await page.$eval('#step-count', (box) => { box.value = '10000'; box.dispatchEvent(new Event('change')); });
    const session = await page.createCDPSession();

    // `count` steps by the space bar, each timed from the key to the trial laid out.
    const steps = (count) => page.evaluate((n) => {
        const scene = document.getElementById('step-scene');
        scene.focus();
        const times = [];
        for (let i = 0; i < n; ++i) {
            const start = performance.now();
            scene.dispatchEvent(new KeyboardEvent('keydown', { key: ' ', bubbles: true, cancelable: true }));
            void document.body.getBoundingClientRect().height;
            times.push(performance.now() - start);
        }
        return times;
    }, count);
    const done = () => page.$eval('#step-progress', (p) => Number(p.textContent.match(/Ensayos: ([\d.]+)/)[1].replaceAll('.', '')));
    const memory = async () => {
        await session.send('HeapProfiler.collectGarbage');
        const heap = await session.send('Runtime.getHeapUsage');
        const nodes = await page.evaluate(() => document.getElementsByTagName('*').length);
        return { trials: await done(), heap: heap.usedSize, nodes };
    };

    await steps(20);
    const timed = await steps(300);
    const charted = await page.evaluate(async () => {
        const scene = document.getElementById('step-scene');
        const times = [];
        for (let i = 0; i < 100; ++i) {
            const start = performance.now();
            scene.dispatchEvent(new KeyboardEvent('keydown', { key: ' ', bubbles: true, cancelable: true }));
            await new Promise((resolve) => requestAnimationFrame(() => resolve()));
            void document.body.getBoundingClientRect().height;
            times.push(performance.now() - start);
        }
        return times;
    });
    const samples = [];
    while ((await done()) < 10000) {
        const trials = await done();
        // Up to 9.900 and then to the end, so that the last sample is of the run
        // still growing and not of the history it joins.
        await steps(Math.min(500, (trials < 9900 ? 9900 : 10000) - trials));
        const now = await done();
        if ([1000, 2500, 5000, 7500, 9900].some((mark) => trials < mark && now >= mark)) samples.push(await memory());
    }
    const step = median(timed);
    console.log(`Chromium ${await browser.version()}`);
    console.log(`one step (space bar to the trial laid out, no animation): median ${step.toFixed(2)} ms, ` +
                `95th percentile ${percentile(timed, 0.95).toFixed(2)}, max ${Math.max(...timed).toFixed(2)} (300 steps; target <= 16 ms)`);
    console.log(`one step until the charts follow, at the next frame: median ${median(charted).toFixed(2)} ms (100 steps)`);
    for (const { trials, heap, nodes } of samples) {
        console.log(`after ${trials} trials: script heap ${(heap / 1024 / 1024).toFixed(2)} MB, ${nodes} DOM elements`);
    }
    const first = samples[0];
    const last = samples.at(-1);
    const flat = last.heap <= Math.max(first.heap * 1.25, first.heap + 2 * 1024 * 1024) &&
                 Math.abs(last.nodes - first.nodes) <= first.nodes * 0.01;
    console.log(`memory over 10.000 steps: ${flat ? 'flat' : 'GROWING'}`);
    const finished = await done();
    console.log(`trials done: ${finished}`);
    process.exitCode = step <= 16 && flat && finished === 10000 ? 0 : 1;
} finally {
    await browser.close();
}
