// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel, the page's second view: how the frequencies of a run
// converge on the theory (log scale of trials, theory dashed), the run's bars beside
// the theory's, the exact theory, and the history of this page's runs, which can be
// copied, downloaded as CSV, and shown in the charts. Every number text comes from
// the engine; this module only places it.

const svgNs = 'http://www.w3.org/2000/svg';
const outcomeNames = ['Un plato', 'Dos platos', 'Tres platos'];
const seriesColours = ['#1d4ed8', '#b45309', '#15803d'];

function svg(name, attributes = {}, text = null) {
    const element = document.createElementNS(svgNs, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== null) element.textContent = text;
    return element;
}

function html(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

function chartFrame(width, height, label, description) {
    const chart = svg('svg', { viewBox: `0 0 ${width} ${height}`, role: 'img', 'aria-label': label,
                               class: 'teaching-chart' });
    chart.append(svg('title', {}, label), svg('desc', {}, description));
    chart.append(svg('rect', { x: 0, y: 0, width, height, fill: '#fff' }));
    return chart;
}

// Frequencies of one, two and three broken plates after n trials, n on a log scale.
function convergenceChart(figures) {
    const width = 640, height = 330;
    const left = 52, right = 36, top = 34, bottom = 52;
    const chart = chartFrame(width, height, 'Gráfico de convergencia',
        'Frecuencia relativa, en tanto por ciento, de uno, dos y tres platos rotos tras n ensayos; ' +
        'las líneas discontinuas son la teoría.');
    chart.append(svg('text', { x: width / 2, y: 20, class: 'chart-title' },
                     'Convergencia hacia la teoría (líneas discontinuas)'));
    const ticks = figures.trialTicks.length ? figures.trialTicks : [[1, '1'], [10, '10']];
    const largest = Math.max(10, ticks.at(-1)[0]);
    const x = (n) => left + (Math.log10(n) / Math.log10(largest)) * (width - left - right);
    const y = (percent) => top + (1 - percent / 100) * (height - top - bottom);
    for (const percent of [0, 20, 40, 60, 80, 100]) {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent), class: 'grid' }),
                     svg('text', { x: left - 6, y: y(percent) + 4, class: 'tick end' }, String(percent)));
    }
    for (const [value, text] of ticks) {
        if (value > largest) continue;
        chart.append(svg('line', { x1: x(value), x2: x(value), y1: top, y2: height - bottom, class: 'grid' }),
                     svg('text', { x: x(value), y: height - bottom + 16, class: 'tick' }, text));
    }
    chart.append(svg('text', { x: (left + width - right) / 2, y: height - 12, class: 'axis-title' },
                     'Número de ensayos (escala logarítmica)'),
                 svg('text', { x: 14, y: (top + height - bottom) / 2, class: 'axis-title',
                               transform: `rotate(-90 14 ${(top + height - bottom) / 2})` },
                     'Frecuencia relativa (%)'));
    figures.theoryPercent.forEach((percent, k) => {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent),
                                   stroke: seriesColours[k], class: 'theory-line' }));
    });
    figures.theoryPercent.forEach((_, k) => {
        const points = figures.frequencies.map((row) => `${x(row[0]).toFixed(2)},${y(row[k + 1]).toFixed(2)}`);
        if (points.length === 1) points.push(points[0]);
        if (points.length) {
            chart.append(svg('polyline', { points: points.join(' '), stroke: seriesColours[k], class: 'series' }));
        }
    });
    return chart;
}

// The run's percentages beside the theory's, outcome by outcome.
function outcomeBars(figures) {
    const width = 640, height = 280;
    const left = 52, right = 16, top = 34, bottom = 56;
    const chart = chartFrame(width, height, 'Gráfico de barras: simulación frente a teoría',
        'Porcentaje de uno, dos y tres platos rotos en la simulación y en la teoría.');
    chart.append(svg('text', { x: width / 2, y: 20, class: 'chart-title' }, 'Simulación frente a teoría'));
    const y = (percent) => top + (1 - percent / 100) * (height - top - bottom);
    for (const percent of [0, 20, 40, 60, 80, 100]) {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent), class: 'grid' }),
                     svg('text', { x: left - 6, y: y(percent) + 4, class: 'tick end' }, String(percent)));
    }
    const group = (width - left - right) / 3;
    const bar = group / 3.2;
    outcomeNames.forEach((name, k) => {
        const middle = left + group * (k + 0.5);
        const bars = [[figures.run?.percent[k], figures.run?.texts[k], 'bar-simulated', -bar],
                      [figures.theoryPercent[k], figures.theoryTexts[k], 'bar-theory', 0]];
        for (const [percent, text, kind, offset] of bars) {
            if (percent === undefined) continue;
            chart.append(svg('rect', { x: middle + offset, y: y(percent), width: bar,
                                       height: y(0) - y(percent), class: kind, fill: seriesColours[k] }),
                         svg('text', { x: middle + offset + bar / 2, y: y(percent) - 4, class: 'tick' }, text));
        }
        chart.append(svg('text', { x: middle, y: height - bottom + 18, class: 'tick' }, name));
    });
    chart.append(svg('text', { x: (left + width - right) / 2, y: height - 10, class: 'axis-title' }, 'Platos rotos'));
    return chart;
}

function legend() {
    const list = html('ul', { class: 'chart-legend' });
    outcomeNames.forEach((name, k) => {
        const swatch = html('span', { class: 'swatch', style: `--colour: ${seriesColours[k]}`, 'aria-hidden': 'true' });
        list.append(html('li', {}, swatch, name));
    });
    list.append(html('li', {}, html('span', { class: 'swatch dashed', 'aria-hidden': 'true' }), 'Teoría'),
                html('li', {}, html('span', { class: 'swatch hatched', 'aria-hidden': 'true' }), 'Simulación: barra izquierda; teoría: derecha'));
    return list;
}

function theoryTable(figures) {
    const head = html('tr', {}, html('td'), ...['Casos favorables', 'Probabilidad', 'Teoría', figures.simulatedTitle]
        .map((text) => html('th', { scope: 'col' }, text)));
    const rows = figures.lines.map((line) => html('tr', {},
        html('th', { scope: 'row' }, line.label),
        ...[line.favourable, line.fraction, line.theory, line.simulated].map((text) => html('td', {}, text))));
    return html('table', { class: 'theory-table' },
                html('caption', {}, 'Teoría exacta'), html('thead', {}, head), html('tbody', {}, ...rows));
}

function download(name, blob) {
    const link = html('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

export function createTeachingPanel({ engine, symbols, host }) {
    const panel = html('section', { id: 'teaching', 'aria-labelledby': 'teachingTitle', hidden: '' });
    host.after(panel);
    let shownEntry = 0;
    let returnFocus = null;

    const charts = html('div', { class: 'teaching-charts' });
    const theory = html('div', { class: 'teaching-theory' });
    const choices = html('p', { class: 'teaching-choices' });
    const historyBody = html('div', { class: 'history-scroll', tabindex: '0', role: 'region',
                                      'aria-label': 'Historial de ejecuciones' });
    const buttons = Object.fromEntries([
        ['empty', 'Vaciar historial'], ['copy', 'Copiar'], ['csv', 'Descargar CSV'],
        ['image', 'Descargar imagen'], ['close', 'Cerrar'],
    ].map(([key, text]) => [key, html('button', { type: 'button', id: `teaching-${key}` }, text)]));

    panel.append(
        html('h2', { id: 'teachingTitle', tabindex: '-1' }, 'Vesquin: gráficos y teoría'),
        charts, theory, choices,
        html('h3', { id: 'historyTitle' }, 'Historial de ejecuciones'),
        html('p', { class: 'history-hint' }, 'Una fila por ejecución; elegir su número la muestra en los gráficos.'),
        historyBody,
        html('div', { class: 'teaching-buttons' }, ...Object.values(buttons)));

    function render() {
        const figures = engine.teaching(symbols, shownEntry);
        charts.replaceChildren(convergenceChart(figures), outcomeBars(figures), legend());
        theory.replaceChildren(theoryTable(figures));
        choices.textContent = figures.choices;
        const head = html('tr', {}, ...figures.header.map((text) => html('th', { scope: 'col' }, text)));
        const shown = figures.run?.number;
        const rows = figures.rows.map((row) => {
            const choose = html('button', { type: 'button', 'aria-pressed': String(row.number === shown) }, row.cells[0]);
            choose.addEventListener('click', () => { shownEntry = row.number; render(); });
            return html('tr', row.number === shown ? { class: 'shown' } : {},
                        html('td', {}, choose), ...row.cells.slice(1).map((text) => html('td', {}, text)));
        });
        historyBody.replaceChildren(html('table', { class: 'history-table', 'aria-labelledby': 'historyTitle' },
                                         html('thead', {}, head), html('tbody', {}, ...rows)));
        const empty = figures.rows.length === 0;
        for (const key of ['empty', 'copy', 'csv']) buttons[key].disabled = empty;
    }

    buttons.close.addEventListener('click', () => close());
    buttons.empty.addEventListener('click', () => { engine.clearHistory(); shownEntry = 0; render(); });
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
        download('vesquin-historial.csv', new Blob([engine.historyText(symbols, true)], { type: 'text/csv;charset=utf-8' }));
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
        Promise.all(drawn).then(() => canvas.toBlob((blob) => download('vesquin-graficos.png', blob), 'image/png'));
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
        render();
        const title = document.getElementById('teachingTitle');
        title.focus();
        title.scrollIntoView({ block: 'start' });
    }

    function close() {
        panel.hidden = true;
        (returnFocus?.isConnected ? returnFocus : document.getElementById('cmdSimular')).focus();
    }

    return {
        open,
        close,
        isOpen: () => !panel.hidden,
        // After a run the panel shows it.
        runPerformed() { shownEntry = 0; if (!panel.hidden) render(); },
        // Terminar forgets the history.
        reset() { engine.clearHistory(); shownEntry = 0; if (!panel.hidden) close(); },
    };
}

// The charts' own look, carried into the downloaded image too.
const chartStyle = `
.chart-title { font: bold 15px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #000; }
.axis-title { font: 13px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #000; }
.tick { font: 12px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #222; }
.tick.end { text-anchor: end; }
.grid { stroke: #ddd; stroke-width: 1; }
.series { fill: none; stroke-width: 2; }
.theory-line { stroke-width: 1.5; stroke-dasharray: 6 4; }
.bar-theory { fill-opacity: 0.35; }
`;
