// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's window behaves as the desktop window does: counts from the shared
// table under Spanish and English symbols, Enter, the access keys, Borrar, the
// message after a failed run and where the focus goes after it.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { boxTexts, countCases, countFocusedAndSelected, focused, launchBrowser, locales, openPage, referenceRun,
         pressAccessKey, setCount, value } from './browser.mjs';

const seed = 7;
let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

for (const [name, { locale, symbols }] of Object.entries(locales)) {
    test(`typed counts from the shared table, ${locale}`, async () => {
        const { page, errors } = await openPage(browser, { locale, query: `?semilla=${seed}` });
        const cases = countCases().filter((c) => c.symbols === name);
        assert.ok(cases.length >= 5);
        // A good run first, so that a failure has results it must leave alone.
        await setCount(page, '1000');
        await page.keyboard.press('Enter');
        for (const c of cases) {
            const label = `'${c.count}' (${c.expected})`;
            const before = await boxTexts(page);
            await setCount(page, c.count);
            await page.keyboard.press('Enter');
            const expected = referenceRun(symbols, c.count, seed);
            if (/^\d+$/.test(c.expected)) {
                assert.equal(expected.trials, Number(c.expected), label);
                assert.deepEqual(await boxTexts(page), expected.boxes, label);
                assert.equal(await page.$eval('#runFailure', (d) => d.open), false, label);
                continue;
            }
            assert.equal(expected.failure, c.expected, label);
            const message = await page.$eval('#runFailure', (d) => d.open && d.querySelector('p').textContent);
            assert.ok(message, `${label}: a message is shown`);
            // The message states the maximum in the user's symbols.
            assert.ok(message.includes(`1${symbols.grouping}000${symbols.grouping}000`), `${label}: ${message}`);
            assert.deepEqual(await boxTexts(page), before, `${label}: no result changes`);
            assert.equal(await focused(page), 'runFailureAccept', label);
            await page.keyboard.press('Enter');
            assert.equal(await page.$eval('#runFailure', (d) => d.open), false, label);
            // The count has the focus again, with its text selected.
            await countFocusedAndSelected(page);
        }
        assert.deepEqual(errors, []);
    });
}

test('the failure messages are the desktop\'s Spanish sentences', async () => {
    const { page } = await openPage(browser);
    const messageFor = async (typed) => {
        await setCount(page, typed);
        await page.keyboard.press('Enter');
        const text = await page.$eval('#runFailureText', (p) => p.textContent);
        await page.keyboard.press('Escape');
        await countFocusedAndSelected(page);
        return text;
    };
    assert.equal(await messageFor(''),
                 'Indica cuántas veces haremos la simulación: un número entero entre 1 y 1.000.000.');
    assert.equal(await messageFor('0'),
                 'Hay que hacer la simulación al menos una vez. Indica un número entre 1 y 1.000.000.');
    assert.equal(await messageFor('2.000.000'),
                 'Como máximo se puede hacer la simulación 1.000.000 veces. Indica un número entre 1 y 1.000.000.');
    assert.match(await messageFor('abc'), /^«\u2068?abc\u2069?» no es un número\. Indica cuántas veces haremos la simulación: un número entero entre 1 y 1\.000\.000\.$/);
    assert.equal(await focused(page), 'txtNs');
});

describe('keys', () => {
    // What each command leaves behind, to tell which one a key pressed.
    const pressed = async (page) => {
        if (await page.evaluate(() => window.printRequests) > 0) return 'cmdImprimir';
        if (await value(page, 'txtTeo1') !== '') return 'cmdSimular';
        if (await value(page, 'txtS1') === ' ') return 'cmdSalir';  // back to the start
        if (await value(page, 'txtNs') === '') return 'cmdBorrar';
        return 'none';
    };

    const enterCases = [
        ['in the count', 'txtNs', 'cmdSimular'],
        ['in a result box', 'txtS2p', 'cmdSimular'],
        ['in a theoretical box', 'txtTeo3', 'cmdSimular'],
        ['on the page itself', null, 'cmdSimular'],
        ['on Simular', 'cmdSimular', 'cmdSimular'],
        ['on Borrar', 'cmdBorrar', 'cmdBorrar'],
        ['on Imprimir', 'cmdImprimir', 'cmdImprimir'],
        ['on Terminar', 'cmdSalir', 'cmdSalir'],
    ];
    for (const [label, focus, button] of enterCases) {
        test(`Enter ${label} presses ${button}`, async () => {
            const { page } = await openPage(browser);
            await setCount(page, '10');
            // Results as after a run but without the theory, so each command leaves its mark.
            await page.evaluate(() => { document.getElementById('txtS1').value = '3'; });
            if (focus) await page.focus(`#${focus}`);
            else await page.evaluate(() => document.activeElement.blur());
            await page.keyboard.press('Enter');
            assert.equal(await pressed(page), button);
            await page.close();
        });
    }

    const accessKeys = [['S', 'cmdSimular'], ['I', 'cmdImprimir'], ['B', 'cmdBorrar'], ['T', 'cmdSalir']];
    for (const [letter, button] of accessKeys) {
        test(`Alt+${letter} presses ${button}`, async () => {
            const { page } = await openPage(browser);
            assert.equal(await page.$eval(`#${button}`, (b) => b.accessKey), letter.toLowerCase());
            await setCount(page, '10');
            await page.evaluate(() => { document.getElementById('txtS1').value = '3'; });
            await pressAccessKey(page, letter);
            assert.equal(await pressed(page), button);
            await page.close();
        });
    }
});

test('Borrar empties the count and every result, and puts the focus in the count', async () => {
    const { page } = await openPage(browser);
    await setCount(page, '1.000');
    await page.keyboard.press('Enter');
    assert.notEqual(await value(page, 'txtTeo1'), '');
    await page.click('#cmdBorrar');
    assert.equal(await value(page, 'txtNs'), '');
    for (const [name, text] of await boxTexts(page)) assert.equal(text, '', name);
    assert.equal(await focused(page), 'txtNs');
});

test('at start the focus is on Simular and the boxes are as on the desktop', async () => {
    const { page } = await openPage(browser);
    assert.equal(await focused(page), 'cmdSimular');
    const blank = ['txtS1', 'txtS2', 'txtS3', 'txtS6', 'txtS1p', 'txtS2p', 'txtS3p'];
    for (const [name, text] of await boxTexts(page)) assert.equal(text, blank.includes(name) ? ' ' : '', name);
    assert.equal(await page.$eval('#Label16', (l) => l.textContent), '(Máximo 1.000.000)');
    const english = await openPage(browser, { locale: 'en-US' });
    assert.equal(await english.page.$eval('#Label16', (l) => l.textContent), '(Máximo 1,000,000)');
});

test('Terminar puts the window back as at start', async () => {
    const { page } = await openPage(browser);
    await setCount(page, '500');
    await page.keyboard.press('Enter');
    await page.click('#cmdSalir');
    assert.equal(await value(page, 'txtNs'), '');
    assert.equal(await value(page, 'txtS1'), ' ');
    assert.equal(await value(page, 'txtTeo1'), '');
    assert.equal(await focused(page), 'cmdSimular');
});

// The desktop's tab chain, then the footer's link to the teaching panel.
const tabChain = ['cmdSimular', 'txtNs', 'txtS1', 'txtS2', 'txtS3', 'txtS6', 'txtS1p', 'txtS2p', 'txtS3p',
                  'txtMed', 'cmdBorrar', 'cmdSalir', 'cmdImprimir', 'txtTeo1', 'txtTeo2', 'txtTeo3', 'teachingLink'];

for (const [width, height] of [[1366, 768], [375, 667]]) {
    test(`a keyboard-only walk with Tab follows the desktop's chain and reaches every control, ${width} px`, async () => {
        const { page } = await openPage(browser, { width, height });
        const controls = await page.$$eval('button, input, a[href], [tabindex="0"]',
                                           (all) => all.filter((c) => c.offsetParent !== null && !c.closest('dialog')).map((c) => c.id));
        const visited = [];
        for (let i = 0; i < tabChain.length; ++i) {
            visited.push(await focused(page));
            await page.keyboard.press('Tab');
        }
        assert.deepEqual(visited, tabChain);
        assert.deepEqual([...controls].sort(), [...tabChain].sort());
        // Shift+Tab walks back.
        await page.focus('#cmdBorrar');
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        assert.equal(await focused(page), 'txtMed');
    });
}

test('the page asks the network for nothing while loading and running', async () => {
    const { page, requests, errors } = await openPage(browser, { query: '?semilla=1' });
    await setCount(page, '1000000');
    await page.keyboard.press('Enter');
    await page.click('#cmdImprimir');
    await page.keyboard.press('F2');
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.deepEqual(requests.filter((url) => !url.startsWith('data:')), [requests[0]]);
    assert.match(requests[0], /^file:.*vesquin\.html\?semilla=1$/);
    assert.deepEqual(errors, []);
});
