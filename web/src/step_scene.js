// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing of one trial, in SVG: the shooters at their posts along the ground,
// the plates in the air above them, and a sight line from each shooter to the plate
// it picked, with the plate's number. Picked plates break in a short animation (none
// when the user asked for less motion); intact ones stay whole. The picture is made
// once for an experiment; each trial only moves lines and classes, so a step costs
// little however fast the run goes.

const sceneNs = 'http://www.w3.org/2000/svg';

function sceneElement(name, attributes = {}, text = null) {
    const element = document.createElementNS(sceneNs, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (text !== null) element.textContent = text;
    return element;
}

// The pieces a broken plate falls into, each with the way it flies.
const shards = [[-1, -1], [1, -1], [-1, 1], [1, 1]];

// `label` is what a screen reader calls the picture; the outcome under it says the rest.
export function createStepScene(label) {
    const width = 640, height = 300;
    const picture = sceneElement('svg', { viewBox: `0 0 ${width} ${height}`, class: 'step-scene',
                                          role: 'img', 'aria-label': label });
    // The focus goes to a frame around the picture, where the space bar takes a trial:
    // an element of the page's own, hidden with the panel as the page's controls are.
    const frame = document.createElement('div');
    frame.id = 'step-scene';
    frame.className = 'step-scene-frame';
    frame.tabIndex = 0;
    frame.setAttribute('role', 'group');
    frame.setAttribute('aria-label', label);
    frame.append(picture);
    let plates = [];
    let sights = [];
    let shape = '';

    // Plates in one row up to ten, else in two; shooters spread along the ground.
    function build(shooterCount, plateCount) {
        shape = `${shooterCount}×${plateCount}`;
        picture.replaceChildren(sceneElement('title', {}, label),
                                sceneElement('rect', { x: 0, y: 0, width, height, class: 'scene-sky' }),
                                sceneElement('rect', { x: 0, y: height - 40, width, height: 40, class: 'scene-ground' }));
        const rows = plateCount > 10 ? 2 : 1;
        const perRow = Math.ceil(plateCount / rows);
        const plateAt = (i) => ({
            x: (width / perRow) * ((i % perRow) + 0.5),
            y: rows === 1 ? 70 : 48 + Math.floor(i / perRow) * 62,
        });
        const rx = Math.min(26, width / perRow / 2 - 4);
        const shooterAt = (s) => ({ x: (width / shooterCount) * (s + 0.5), y: height - 52 });
        const sightLayer = sceneElement('g', { class: 'scene-sights' });
        picture.append(sightLayer);
        plates = Array.from({ length: plateCount }, (_, i) => {
            const { x, y } = plateAt(i);
            const group = sceneElement('g', { class: 'scene-plate', transform: `translate(${x} ${y})` });
            const whole = sceneElement('ellipse', { rx, ry: rx * 0.42, class: 'plate-whole' });
            const pieces = shards.map(([dx, dy]) => {
                const piece = sceneElement('path', {
                    d: `M0 0 L${dx * rx * 0.9} ${dy * rx * 0.2} L${dx * rx * 0.4} ${dy * rx * 0.42} Z`,
                    class: 'plate-shard',
                });
                piece.style.setProperty('--dx', `${dx * 14}px`);
                piece.style.setProperty('--dy', `${dy * 12 + 10}px`);
                return piece;
            });
            const number = sceneElement('text', { y: -rx * 0.42 - 5, class: 'plate-number' }, String(i + 1));
            group.append(whole, ...pieces, number);
            return { group, x, y: y + rx * 0.42 };
        });
        picture.append(...plates.map((plate) => plate.group));
        sights = Array.from({ length: shooterCount }, (_, s) => {
            const { x, y } = shooterAt(s);
            const shooter = sceneElement('g', { class: 'scene-shooter', transform: `translate(${x} ${y})` });
            shooter.append(sceneElement('circle', { cy: -22, r: 8 }),
                           sceneElement('path', { d: 'M0 -14 L0 8 M0 8 L-8 24 M0 8 L8 24 M0 -6 L-10 4 M0 -6 L10 -14' }));
            picture.append(shooter);
            const line = sceneElement('line', { x1: x + 10, y1: y - 14, x2: x + 10, y2: y - 14, class: 'scene-sight' });
            const tag = sceneElement('text', { x: x + 14, y: y - 30, class: 'sight-number' }, '');
            sightLayer.append(line, tag);
            return { line, tag, x: x + 10, y: y - 14 };
        });
    }

    return {
        element: frame,
        // Draws the experiment's posts and plates, all whole, when it is another one.
        setExperiment(shooterCount, plateCount) {
            if (shape !== `${shooterCount}×${plateCount}`) build(shooterCount, plateCount);
            this.show(null, false);
        },
        // Shows the trial's choices (`step` from the engine) and breaks the plates
        // picked, moving when `animated`; null shows every plate whole and no sight.
        show(step, animated) {
            const picked = new Set(step?.choices ?? []);
            plates.forEach((plate, i) => {
                const broken = picked.has(i + 1);
                plate.group.classList.remove('breaking');
                plate.group.classList.toggle('broken', broken);
                if (broken && animated) {
                    // Read the layout once so that the animation starts again.
                    void plate.group.getBoundingClientRect();
                    plate.group.classList.add('breaking');
                }
            });
            sights.forEach((sight, s) => {
                const choice = step?.choices[s];
                const target = choice ? plates[choice - 1] : null;
                sight.line.setAttribute('x2', target ? target.x : sight.x);
                sight.line.setAttribute('y2', target ? target.y : sight.y);
                sight.line.classList.toggle('shown', Boolean(target));
                sight.tag.textContent = choice ? String(choice) : '';
            });
        },
        setLabel(text) {
            label = text;
            frame.setAttribute('aria-label', text);
            picture.setAttribute('aria-label', text);
            const title = picture.querySelector('title');
            if (title) title.textContent = text;
        },
        // The plate numbers each shooter's sight points at, as drawn.
        drawnChoices: () => sights.map((sight) => Number(sight.tag.textContent)),
    };
}
