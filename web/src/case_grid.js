// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the theory's numbers come from: the possible cases, the favourable ones for
// each number of broken plates counted in words and products, the rule of Laplace,
// and, for a small experiment, every ordered choice drawn as a cell coloured by the
// number of plates it breaks, with the count of each colour. Texts from the engine.
import { svg } from './teaching_charts.js';

function caseElement(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

// The rows are laid in bands of at most this many, side by side, so that a grid of
// many short rows (2 plates, 10 shooters: 512 rows of 2) stays about square.
const bandRows = 36;
const cell = 10;
const bandGap = 8;

function gridPicture(grid, figures, words) {
    const bands = Math.ceil(grid.rows / bandRows);
    const rowsShown = Math.min(grid.rows, bandRows);
    const width = bands * grid.columns * cell + (bands - 1) * bandGap;
    const height = rowsShown * cell;
    const picture = svg('svg', { viewBox: `0 0 ${width} ${height}`, role: 'img', class: 'case-grid',
                                 'aria-label': `${words.gridTitle}. ${grid.keys.join('; ')}`,
                                 width, height });
    const colours = figures.palette.series;
    for (let row = 0; row < grid.rows; ++row) {
        const band = Math.floor(row / bandRows);
        const top = (row % bandRows) * cell;
        for (let column = 0; column < grid.columns; ++column) {
            const broken = grid.cells.charCodeAt(row * grid.columns + column) - 48 + 1;
            picture.append(svg('rect', { x: band * (grid.columns * cell + bandGap) + column * cell, y: top,
                                         width: cell - 1, height: cell - 1, fill: colours[broken - 1],
                                         'data-broken': broken }));
        }
    }
    return picture;
}

function gridKey(grid, figures) {
    return caseElement('ul', { class: 'case-grid-key' }, ...grid.keys.map((text, j) => caseElement('li', {},
        caseElement('span', { class: 'swatch', style: `background: ${figures.palette.series[j]}`, 'aria-hidden': 'true' }),
        text)));
}

// The section for `figures` (the engine's teaching panel) with the panel's `words`.
export function casesSection(figures, words) {
    const section = caseElement('section', { class: 'teaching-cases', 'aria-labelledby': 'casesTitle' },
        caseElement('h3', { id: 'casesTitle' }, words.casesTitle),
        caseElement('p', { class: 'cases-source' }, figures.source),
        caseElement('p', { class: 'cases-possible' }, figures.possibleCases),
        caseElement('ul', { class: 'cases-favourable' }, ...figures.cases.map((text) => caseElement('li', {}, text))),
        caseElement('p', { class: 'cases-laplace' }, figures.laplace));
    const grid = figures.grid;
    if (grid.note !== undefined) {
        section.append(caseElement('p', { class: 'case-grid-note' }, grid.note));
        return section;
    }
    section.append(caseElement('h4', { id: 'gridTitle' }, words.gridTitle),
                   caseElement('p', { class: 'case-grid-rows' }, words.gridRows),
                   caseElement('div', { class: 'case-grid-scroll', tabindex: '0', role: 'region',
                                        'aria-labelledby': 'gridTitle' }, gridPicture(grid, figures, words)),
                   gridKey(grid, figures));
    return section;
}
