// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Imprimir prints the report through the browser: printed to PDF the way the
// browser's "save as PDF" does (DevTools Page.printToPDF) and read back with
// pdftotext, the page gives the report's eleven text lines with its numbers.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, setCount, value } from './browser.mjs';

let browser;
let folder;
before(async () => {
    browser = await launchBrowser();
    folder = mkdtempSync(join(tmpdir(), 'vesquin-print-'));
});
after(async () => {
    await browser?.close();
    rmSync(folder, { recursive: true, force: true });
});

async function printedLines(page, name) {
    const file = join(folder, `${name}.pdf`);
    writeFileSync(file, await page.pdf({ format: 'A4' }));
    const text = execFileSync('pdftotext', ['-layout', '-enc', 'UTF-8', file, '-'], { encoding: 'utf8' });
    const pages = text.split('\f').filter((p) => p.trim() !== '');
    return { pages: pages.length, lines: text.split('\n').map((l) => l.replace(/\s+/g, ' ').trim()).filter(Boolean) };
}

test('the printed page holds the report\'s eleven lines with the page\'s numbers', async () => {
    const { page } = await openPage(browser, { query: '?semilla=11' });
    await setCount(page, '1000');
    await page.keyboard.press('Enter');
    await page.click('#cmdImprimir');
    assert.equal(await page.evaluate(() => window.printRequests), 1);
    const box = {};
    for (const name of ['txtS1', 'txtS2', 'txtS3', 'txtS1p', 'txtS2p', 'txtS3p', 'txtS6', 'txtMed',
                        'txtTeo1', 'txtTeo2', 'txtTeo3']) box[name] = await value(page, name);
    const { pages, lines } = await printedLines(page, 'after-run');
    assert.equal(pages, 1);
    assert.equal(lines.length, 11, lines.join('\n'));
    assert.equal(lines[0], 'VESQUIN');
    assert.equal(lines[1], '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.000 VECES');
    assert.deepEqual(lines.slice(2), [
        `El número de platos más probable que se rompe es ${box.txtS6}`,
        `El número de platos que queda intacto por término medio es ${box.txtMed}`,
        `Se rompe un solo plato ${box.txtS1} veces (${box.txtS1p} %)`,
        `Se rompen dos platos ${box.txtS2} veces (${box.txtS2p} %)`,
        `Se rompen tres platos ${box.txtS3} veces (${box.txtS3p} %)`,
        '2) RESULTADOS TEÓRICOS',
        'Se debería romper un solo plato el 2,78 % de las veces',
        'Se deberían romper dos platos el 41,67 % de las veces',
        'Se deberían romper tres platos el 55,56 % de las veces',
    ]);
    assert.ok(Number(box.txtS1) + Number(box.txtS2) + Number(box.txtS3) === 1000);
});

test('the browser\'s own print command prints the report as the boxes stand', async () => {
    const { page } = await openPage(browser);
    // No run yet: no results and no trials, whatever the count box holds.
    await setCount(page, '7');
    const before = await printedLines(page, 'before-run');
    assert.equal(before.lines.length, 11, before.lines.join('\n'));
    assert.equal(before.lines[1], '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA VECES');
    assert.equal(before.lines[4], 'Se rompe un solo plato veces ( %)');
    assert.equal(before.lines[8], 'Se debería romper un solo plato el % de las veces');
});

test('the heading states the trials of the run on show', async () => {
    const { page } = await openPage(browser);
    const heading = async (name) => (await printedLines(page, name)).lines[1];
    await setCount(page, '7');
    await page.keyboard.press('Enter');
    assert.equal(await heading('seven'), '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 07 VECES');
    // "2,5" runs two trials (halves to even).
    await setCount(page, '2,5');
    await page.keyboard.press('Enter');
    assert.equal(await heading('halves'), '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 02 VECES');
    // Edited after the run, or a failed run: the results and their trials stay.
    await setCount(page, '500000');
    assert.equal(await heading('edited'), '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 02 VECES');
    await setCount(page, 'abc');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Escape');
    assert.equal(await heading('failed'), '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 02 VECES');
    await page.click('#cmdBorrar');
    assert.equal(await heading('cleared'), '1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA VECES');
});
