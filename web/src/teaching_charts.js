// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel's pictures, as SVG: how the frequencies of a run converge on
// the theory (log scale of trials, theory dashed), the run's bars beside the
// theory's, and their legend, drawn as a picture too so that the downloaded image
// carries it. The colours are the desktop's, from the engine (figures.palette):
// lines by number of broken plates, bars by series, the simulation left of the theory.
// There is one line and one pair of bars for each number of plates the experiment
// can break (figures.names).
import { text } from './texts.js';

export const svgNs = 'http://www.w3.org/2000/svg';

export function svg(name, attributes = {}, text = null) {
    const element = document.createElementNS(svgNs, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== null) element.textContent = text;
    return element;
}

function chartFrame(width, height, label, description, palette, dark) {
    const chart = svg('svg', { viewBox: `0 0 ${width} ${height}`, role: 'img', 'aria-label': label,
                               class: dark ? 'teaching-chart dark' : 'teaching-chart' });
    chart.append(svg('title', {}, label), svg('desc', {}, description));
    chart.append(svg('rect', { x: 0, y: 0, width, height, fill: palette.background }));
    return chart;
}

// Labels closer together than they are long stand on end instead of overlapping.
const upright = (x, y) => ({ x, y, transform: `rotate(-90 ${x} ${y})`, class: 'tick start' });

const isDark = (figures) => figures.palette.background !== '#ffffff';

// Frequencies of each number of broken plates after n trials, n on a log scale.
export function convergenceChart(figures, width) {
    const height = 330;
    const left = 52, right = 36, top = 34;
    const ticks = figures.trialTicks.length ? figures.trialTicks : [[1, '1'], [10, '10']];
    const spacing = (width - left - right) / Math.max(1, ticks.length - 1);
    const standing = spacing < 64;
    const bottom = standing ? 92 : 52;
    const chart = chartFrame(width, height, text('chart name', 'Gráfico de convergencia'),
                             figures.convergenceDescription, figures.palette, isDark(figures));
    chart.append(svg('text', { x: width / 2, y: 20, class: 'chart-title' },
                     text('chart title', 'Convergencia hacia la teoría (líneas discontinuas)')));
    const largest = Math.max(10, ticks.at(-1)[0]);
    const x = (n) => left + (Math.log10(n) / Math.log10(largest)) * (width - left - right);
    const y = (percent) => top + (1 - percent / 100) * (height - top - bottom);
    for (const percent of [0, 20, 40, 60, 80, 100]) {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent), class: 'grid' }),
                     svg('text', { x: left - 6, y: y(percent) + 4, class: 'tick end' }, String(percent)));
    }
    for (const [value, text] of ticks) {
        if (value > largest) continue;
        const place = standing ? { ...upright(x(value) + 4, height - bottom + 8), class: 'tick end' }
            : { x: x(value), y: height - bottom + 16, class: 'tick' };
        chart.append(svg('line', { x1: x(value), x2: x(value), y1: top, y2: height - bottom, class: 'grid' }),
                     svg('text', place, text));
    }
    chart.append(svg('text', { x: (left + width - right) / 2, y: height - 12, class: 'axis-title' },
                     text('chart axis title', 'Número de ensayos (escala logarítmica)')),
                 svg('text', { x: 14, y: (top + height - bottom) / 2, class: 'axis-title',
                               transform: `rotate(-90 14 ${(top + height - bottom) / 2})` },
                     text('chart axis title', 'Frecuencia relativa (%)')));
    const colours = figures.palette.series;
    // The 95 % band of each theory line, from the engine, up to the run's trials.
    if (figures.showBands) {
        figures.bands.forEach((band, k) => {
            if (band.length === 0) return;
            const upper = band.map(([n, , high]) => `${x(n).toFixed(2)},${y(high).toFixed(2)}`);
            const lower = band.map(([n, low]) => `${x(n).toFixed(2)},${y(low).toFixed(2)}`).reverse();
            chart.append(svg('polygon', { points: [...upper, ...lower].join(' '), fill: colours[k],
                                          class: 'margin-band' }));
        });
    }
    figures.theoryPercent.forEach((percent, k) => {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent),
                                   stroke: colours[k], class: 'theory-line' }));
    });
    figures.theoryPercent.forEach((_, k) => {
        const points = figures.frequencies.map((row) => `${x(row[0]).toFixed(2)},${y(row[k + 1]).toFixed(2)}`);
        if (points.length === 1) points.push(points[0]);
        if (points.length) {
            chart.append(svg('polyline', { points: points.join(' '), stroke: colours[k], class: 'series' }));
        }
    });
    // With more than three lines each ends in its number of broken plates, in its
    // colour, the labels pushed apart where the lines end close together.
    const last = figures.frequencies.at(-1);
    if (last && figures.names.length > 3) {
        // From the lowest up: each label stands at its line, or just above the one below.
        const ends = figures.names.map((_, k) => ({ k, y: y(last[k + 1]) + 4 })).sort((a, b) => b.y - a.y);
        for (let i = 1; i < ends.length; ++i) ends[i].y = Math.min(ends[i].y, ends[i - 1].y - 11);
        for (const end of ends) {
            chart.append(svg('text', { x: x(last[0]) + 4, y: end.y, class: 'tick start series-end', style: `fill: ${colours[end.k]}` },
                             String(end.k + 1)));
        }
    }
    return chart;
}

// The run's percentages beside the theory's, outcome by outcome: the simulation's
// bar on the left, the theory's on the right, each series in its own colour.
export function outcomeBars(figures, width) {
    const height = 280;
    const left = 52, right = 16, top = 34, bottom = 56;
    const chart = chartFrame(width, height, text('chart name', 'Gráfico de barras: simulación frente a teoría'),
                             figures.barsDescription, figures.palette, isDark(figures));
    chart.append(svg('text', { x: width / 2, y: 20, class: 'chart-title' },
                     text('chart title', 'Simulación frente a teoría')));
    const y = (percent) => top + (1 - percent / 100) * (height - top - bottom);
    for (const percent of [0, 20, 40, 60, 80, 100]) {
        chart.append(svg('line', { x1: left, x2: width - right, y1: y(percent), y2: y(percent), class: 'grid' }),
                     svg('text', { x: left - 6, y: y(percent) + 4, class: 'tick end' }, String(percent)));
    }
    const group = (width - left - right) / figures.names.length;
    const bar = group / 3.2;
    const standing = bar < 56;
    // Names longer than their group is wide give way to the bare number.
    const named = figures.names.every((name) => name.length * 7 < group - 4);
    figures.names.forEach((name, k) => {
        const middle = left + group * (k + 0.5);
        const bars = [[figures.run?.percent[k], figures.run?.texts[k], 'bar-simulated', figures.palette.simulatedBar, -bar],
                      [figures.theoryPercent[k], figures.theoryTexts[k], 'bar-theory', figures.palette.theoryBar, 0]];
        for (const [percent, text, kind, colour, offset] of bars) {
            if (percent === undefined) continue;
            const centre = middle + offset + bar / 2;
            chart.append(svg('rect', { x: middle + offset, y: y(percent), width: bar,
                                       height: y(0) - y(percent), class: kind, fill: colour }),
                         svg('text', standing ? upright(centre + 4, y(percent) - 4)
                             : { x: centre, y: y(percent) - 4, class: 'tick' }, text));
        }
        chart.append(svg('text', { x: middle, y: height - bottom + 18, class: 'tick' }, named ? name : String(k + 1)));
    });
    chart.append(svg('text', { x: (left + width - right) / 2, y: height - 10, class: 'axis-title' },
                     text('chart axis title', 'Platos rotos')));
    return chart;
}

// What each colour and stroke means, entry after entry, in as many rows as it takes.
export function chartLegend(figures, width) {
    const palette = figures.palette;
    const entries = [
        ...figures.names.map((name, k) => [name, { kind: 'line', colour: palette.series[k] }]),
        [text('chart legend', 'Teoría'), { kind: 'dashed', colour: isDark(figures) ? '#c8c8c8' : '#444' }],
        [text('chart legend', 'Simulación (barra izquierda)'), { kind: 'bar', colour: palette.simulatedBar }],
        [text('chart legend', 'Teoría (barra derecha)'), { kind: 'bar', colour: palette.theoryBar }],
    ];
    const rowHeight = 24;
    const placed = [];
    let x = 8, row = 0;
    for (const [name, mark] of entries) {
        const room = 34 + name.length * 7.5;
        if (x + room > width - 8 && x > 8) { x = 8; row += 1; }
        placed.push({ name, mark, x, y: 18 + row * rowHeight });
        x += room + 14;
    }
    const height = 12 + (row + 1) * rowHeight;
    const legend = chartFrame(width, height, text('chart name', 'Leyenda de los gráficos'),
        entries.map(([name]) => name).join('; '), palette, isDark(figures));
    legend.classList.add('chart-legend');
    for (const { name, mark, x: at, y } of placed) {
        if (mark.kind === 'bar') {
            legend.append(svg('rect', { x: at, y: y - 8, width: 24, height: 12, fill: mark.colour }));
        } else {
            legend.append(svg('line', { x1: at, x2: at + 24, y1: y - 2, y2: y - 2, stroke: mark.colour,
                                        class: mark.kind === 'dashed' ? 'theory-line' : 'series' }));
        }
        legend.append(svg('text', { x: at + 30, y: y + 2, class: 'tick start' }, name));
    }
    return legend;
}

// The charts' own look, carried into the downloaded image too.
export const chartStyle = `
.chart-title { font: bold 15px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #000; }
.axis-title { font: 13px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #000; }
.tick { font: 12px "Liberation Sans", Arial, sans-serif; text-anchor: middle; fill: #222; }
.tick.end { text-anchor: end; }
.tick.start { text-anchor: start; }
.grid { stroke: #ddd; stroke-width: 1; }
.series { fill: none; stroke-width: 2; }
.theory-line { stroke-width: 1.5; stroke-dasharray: 6 4; }
.margin-band { fill-opacity: 0.16; stroke: none; }
.large .series { stroke-width: 3.5; }
.large .theory-line { stroke-width: 2.5; }
.large .grid { stroke: #888; }
.dark .chart-title, .dark .axis-title { fill: #f0f0f0; }
.dark .tick { fill: #e0e0e0; }
.dark .grid { stroke: #50535f; }
`;
