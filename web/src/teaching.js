// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel, the page's second view: its own experiment of any number of
// shooters and plates (experiment_form.js), the charts (teaching_charts.js), the
// exact theory of the run shown, the cases it is counted from (case_grid.js), and
// the history of this page's runs, which can be copied, downloaded as CSV, and shown
// in the charts. Every number text comes from the engine; this
// module only places it. The history grows by the rows of new runs only, so that a
// long one costs nothing to keep up to date.
import { casesSection } from './case_grid.js';
import { createExperimentForm } from './experiment_form.js';
import { createHistoryRows } from './history_rows.js';
import { createStepPart, withAccessKey } from './step_part.js';
import { chartLegend, chartStyle, convergenceChart, outcomeBars, svg, svgNs } from './teaching_charts.js';
import { text } from './texts.js';

function html(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

// A check box with its label, its access key underlined, and a sentence that says
// what it does; `checked` at first. `relabel` writes them again, for another language.
function checkBox(id, label, taken, checked, description = '') {
    const box = html('input', { type: 'checkbox', id });
    box.checked = checked;
    const text = html('label', { for: id });
    const parts = [html('span', { class: 'check-field' }, box, text)];
    const said = description ? html('p', { id: `${id}-description`, class: 'check-description' }) : null;
    if (said) {
        parts.push(said);
        box.setAttribute('aria-describedby', `${id}-description`);
    }
    const relabel = (words, keys, sentence = '') => {
        withAccessKey(text, words, keys);
        box.accessKey = text.accessKey;
        text.removeAttribute('accesskey');
        if (said) said.textContent = sentence;
    };
    relabel(label, taken, description);
    return { box, element: html('div', { class: 'check-control' }, ...parts), relabel };
}

// The probabilities, one row for each number of broken plates; then, apart, the
// means and the most probable number, which are no probabilities.
function theoryTables(figures, words) {
    const table = (className, caption, columns, lines, cells) => {
        const head = html('tr', {}, html('td'), ...[...columns, figures.simulatedTitle]
            .map((text) => html('th', { scope: 'col' }, text)));
        const rows = lines.map((line) => html('tr', {},
            html('th', { scope: 'row' }, line.label), ...[...cells(line), line.simulated].map((text) => html('td', {}, text))));
        return html('table', { class: className },
                    html('caption', {}, caption), html('thead', {}, head), html('tbody', {}, ...rows));
    };
    return [
        table('theory-table', text('theory panel frame', 'Teoría exacta'),
              [text('theory panel heading', 'Casos favorables'), text('theory panel heading', 'Probabilidad'),
               text('theory panel heading', 'Teoría')], figures.lines,
              (line) => [line.favourable, line.fraction, line.theory]),
        table('means-table', words.means, [words.exact, text('theory panel heading', 'Teoría')], figures.means,
              (line) => [line.fraction, line.theory]),
    ];
}

function download(name, blob) {
    const link = html('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// `seed()` is the address's fixed seed or null; `refused(message, box)` tells the
// user why a run of the panel's experiment was refused.
export function createTeachingPanel({ engine, symbols, host, seed, refused }) {
    const panel = html('section', { id: 'teaching', 'aria-labelledby': 'teachingTitle', hidden: '' });
    host.after(panel);
    let shownEntry = 0;
    let shownRun = null;  // the number of the run the panel shows, if any
    let returnFocus = null;

    let words = engine.experimentWords();
    const stepWords = engine.stepWords();
    // The window's access keys stay its own; the panel's controls take other letters.
    const windowKeys = () => new Set([...document.querySelectorAll('#app > .window [accesskey]')]
        .map((element) => element.accessKey.toLowerCase()));
    const taken = windowKeys();
    const margin = checkBox('teaching-margin', stepWords.marginToggle, taken, true, stepWords.marginExplanation);
    const large = checkBox('teaching-large', stepWords.largeScreen, taken, false);
    let frameAsked = false;
    const marginLines = html('ul', { id: 'teaching-margin-lines', class: 'margin-lines' });
    const steps = createStepPart({
        engine, symbols, words: stepWords, seed, taken,
        experiment: () => form.experiment(),
        // The charts follow the run as it grows, once a frame however fast the trials
        // come, so that a trial is drawn without waiting for them; once finished the
        // run is the history's, shown at once.
        stepped(state) {
            if (state.done === 0) return;
            shownEntry = state.finished ? state.entry : -1;
            if (state.finished) {
                render();
            } else if (!frameAsked) {
                frameAsked = true;
                requestAnimationFrame(() => {
                    frameAsked = false;
                    if (!panel.hidden) render();
                });
            }
        },
    });
    const darkScheme = window.matchMedia?.('(prefers-color-scheme: dark)');
    const form = createExperimentForm({
        engine, symbols, words, seed, refused,
        simulated() { shownEntry = 0; render(); },
        // Before the first run the panel shows the theory of the experiment set up.
        changed() {
            steps.experimentChanged();
            if (!panel.hidden && shownRun === null) render();
        },
    });
    const charts = html('div', { class: 'teaching-charts' });
    const cases = html('div', { class: 'teaching-cases-host' });
    const theory = html('div', { class: 'teaching-theory' });
    const choices = html('p', { class: 'teaching-choices' });
    const historyBody = html('div', { class: 'history-scroll', tabindex: '0', role: 'region' });
    const buttons = Object.fromEntries(['empty', 'copy', 'csv', 'image', 'close']
        .map((key) => [key, html('button', { type: 'button', id: `teaching-${key}` })]));
    const title = html('h2', { id: 'teachingTitle', tabindex: '-1' });
    const historyTitle = html('h3', { id: 'historyTitle' });
    const historyHint = html('p', { class: 'history-hint' });

    panel.append(
        title, large.element, form.element, steps.element, charts, margin.element, theory, marginLines, choices, cases,
        historyTitle, historyHint, historyBody,
        html('div', { class: 'teaching-buttons' }, ...Object.values(buttons)));

    // The panel's own words, written again when the language changes.
    function label() {
        title.textContent = text('teaching view title', 'Vesquin: gráficos y teoría');
        historyTitle.textContent = text('history frame', 'Historial de ejecuciones');
        historyBody.setAttribute('aria-label', text('history table name', 'Historial de ejecuciones'));
        historyHint.textContent = text('history hint', 'Una fila por ejecución; elegir su número la muestra en los gráficos.');
        buttons.empty.textContent = text('history button name', 'Vaciar historial');
        buttons.copy.textContent = text('history button', 'Copiar');
        buttons.csv.textContent = text('history button', 'Descargar CSV');
        buttons.image.textContent = text('charts button', 'Descargar imagen');
        buttons.close.textContent = text('teaching view button', 'Cerrar');
    }
    label();

    const history = createHistoryRows({
        scroller: historyBody,
        labelledBy: 'historyTitle',
        // Choosing a row shows it; the focus stays on the row's button, which stays.
        choose(number, button) {
            shownEntry = number;
            render();
            button.focus();
        },
        rowsOf: (first, count) => engine.historyRows(symbols, first, count),
    });

    function render() {
        const bigger = large.box.checked;
        const figures = engine.teaching(symbols, shownEntry, form.experiment(), darkScheme?.matches ?? false, bigger);
        figures.showBands = margin.box.checked;
        // The step run, while it grows, is no run of the history yet.
        shownRun = shownEntry === -1 ? null : figures.run?.number ?? null;
        // Drawn at the size shown (two columns side by side when there is room for
        // them), so that the text keeps its size instead of being scaled down.
        // On a large screen each chart takes the whole width at half the units, so
        // that its texts, lines and bars show at twice their size.
        const room = charts.clientWidth || 640;
        const column = bigger ? room / 2 : room >= 2 * 420 + 12 ? (room - 12) / 2 : room;
        const width = (wanted) => Math.round(Math.max(bigger ? 360 : 340, Math.min(640, wanted)));
        charts.replaceChildren(convergenceChart(figures, width(column)), outcomeBars(figures, width(column)),
                               chartLegend(figures, width(bigger ? column : room)));
        for (const chart of charts.children) chart.classList.toggle('large', bigger);
        marginLines.replaceChildren(...figures.marginLines.map((line) => html('li', {}, line)));
        theory.replaceChildren(...theoryTables(figures, words));
        choices.textContent = figures.choices;
        // The cases depend on the experiment alone: a run of the same one keeps them,
        // and with them the grid's many cells.
        const casesKey = `${figures.shooters}×${figures.plates}:${figures.palette.background}:${document.documentElement.lang}`;
        if (cases.dataset.experiment !== casesKey) {
            cases.replaceChildren(casesSection(figures, words));
            cases.dataset.experiment = casesKey;
        }
        history.header(figures.header);
        history.update(figures.rowCount);
        history.mark(figures.run?.number ?? null);
        const empty = figures.rowCount === 0;
        for (const key of ['empty', 'copy', 'csv']) buttons[key].disabled = empty;
    }

    // Emptying asks first, as the desktop does; the safe answer is the default.
    const question = html('dialog', { id: 'emptyQuestion', role: 'alertdialog', 'aria-modal': 'true',
                                      'aria-describedby': 'emptyQuestionText' });
    const questionText = html('p', { id: 'emptyQuestionText' });
    const answers = { empty: html('button', { type: 'button', id: 'emptyQuestion-empty' }),
                      keep: html('button', { type: 'button', id: 'emptyQuestion-keep', autofocus: '' }) };
    question.append(questionText, html('div', { class: 'teaching-buttons' }, answers.empty, answers.keep));
    document.body.append(question);
    // Closing the dialog gives the focus back to Vaciar, which emptying then disables:
    // the focus goes on to the history it emptied.
    answers.empty.addEventListener('click', () => {
        question.close('empty');
        engine.clearHistory();
        shownEntry = 0;
        history.clear();
        render();
        historyBody.focus();
    });
    answers.keep.addEventListener('click', () => question.close('keep'));
    question.addEventListener('close', () => {
        if (question.returnValue !== 'empty') buttons.empty.focus();
    });

    buttons.close.addEventListener('click', () => close());
    buttons.empty.addEventListener('click', () => {
        const asked = engine.emptyQuestion(symbols);
        if (asked.question === '') return;
        questionText.textContent = asked.question;
        answers.empty.textContent = asked.empty;
        answers.keep.textContent = asked.keep;
        question.returnValue = '';
        question.showModal();
        answers.keep.focus();
    });
    buttons.copy.addEventListener('click', async () => {
        const text = engine.historyText(symbols, false);
        try {
            await navigator.clipboard.writeText(text);
        } catch {
            const area = html('textarea', { class: 'visually-hidden', 'aria-hidden': 'true' });
            area.value = text;
            document.body.append(area);
            area.select();
            document.execCommand('copy');
            area.remove();
            buttons.copy.focus();
        }
    });
    buttons.csv.addEventListener('click', () => {
        // Translators: the name of a downloaded file: no blanks, and its extension kept.
        download(text('download file name', 'vesquin-historial.csv'), new Blob([engine.historyText(symbols, true)], { type: 'text/csv;charset=utf-8' }));
    });
    buttons.image.addEventListener('click', () => {
        const pictures = [...charts.querySelectorAll('svg')];
        const scale = 2;
        const canvas = document.createElement('canvas');
        const sizes = pictures.map((p) => p.viewBox.baseVal);
        canvas.width = Math.max(...sizes.map((s) => s.width)) * scale;
        canvas.height = sizes.reduce((sum, s) => sum + s.height, 0) * scale;
        const context = canvas.getContext('2d');
        context.fillStyle = '#fff';
        context.fillRect(0, 0, canvas.width, canvas.height);
        let offset = 0;
        const drawn = pictures.map((picture, i) => new Promise((resolve, reject) => {
            const copy = picture.cloneNode(true);
            copy.setAttribute('xmlns', svgNs);
            copy.setAttribute('width', sizes[i].width);
            copy.setAttribute('height', sizes[i].height);
            const style = svg('style', {}, chartStyle);
            copy.prepend(style);
            const url = URL.createObjectURL(new Blob([new XMLSerializer().serializeToString(copy)], { type: 'image/svg+xml' }));
            const image = new Image();
            const top = offset;
            offset += sizes[i].height;
            image.onload = () => {
                context.drawImage(image, 0, top * scale, sizes[i].width * scale, sizes[i].height * scale);
                URL.revokeObjectURL(url);
                resolve();
            };
            image.onerror = reject;
            image.src = url;
        }));
        Promise.all(drawn).then(() => canvas.toBlob((blob) =>
            // Translators: the name of a downloaded file: no blanks, and its extension kept.
            download(text('download file name', 'vesquin-graficos.png'), blob), 'image/png'));
    });
    margin.box.addEventListener('change', render);
    large.box.addEventListener('change', () => {
        panel.classList.toggle('large-screen', large.box.checked);
        render();
    });
    panel.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
            event.preventDefault();
            close();
        }
    });

    function open() {
        returnFocus = document.activeElement;
        panel.hidden = false;
        if (!steps.started()) steps.restart();
        render();
        history.redraw();
        title.focus();
        title.scrollIntoView({ block: 'start' });
    }

    function close() {
        steps.stop();
        panel.hidden = true;
        (returnFocus?.isConnected ? returnFocus : document.getElementById('cmdSimular')).focus();
    }

    darkScheme?.addEventListener?.('change', () => { if (!panel.hidden) render(); });

    return {
        open,
        close,
        // The experiment's boxes, as the address fills them, and a run of them.
        experiment: form,
        isOpen: () => !panel.hidden,
        // After a run the panel shows it.
        runPerformed() { shownEntry = 0; if (!panel.hidden) render(); },
        // What the trial-by-trial scene draws: the plate each shooter's sight points at.
        drawnChoices: () => steps.drawnChoices(),
        // The page speaks another language: every word shown is written again in it,
        // the run shown and the history kept.
        languageChanged() {
            words = engine.experimentWords();
            // The window's letters may have changed with its words: the panel's give way.
            const stepWords = engine.stepWords();
            const keys = windowKeys();
            margin.relabel(stepWords.marginToggle, keys, stepWords.marginExplanation);
            large.relabel(stepWords.largeScreen, keys);
            steps.relabel(stepWords, keys);
            label();
            form.relabel(words);
            if (!panel.hidden) {
                render();
                history.redraw();
            }
        },
        // Terminar forgets the history.
        reset() { engine.clearHistory(); shownEntry = 0; history.clear(); if (!panel.hidden) close(); },
    };
}
