// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel's own experiment: how many shooters and plates, how many
// trials, and its own Simular, all from the keyboard (Enter in any box simulates).
// The statement follows the numbers as they are typed; the engine reads them, and
// the count, with the window's rules and messages.

function formElement(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

// `words` are the engine's; `simulated(run)` is told of each run that succeeds and
// `refused(message, box)` of each that does not, with the box to correct.
// `changed()` is told when the boxes come to hold another experiment.
export function createExperimentForm({ engine, symbols, words, seed, simulated, refused, changed }) {
    const boxes = {
        shooters: formElement('input', { id: 'experiment-shooters', type: 'number', inputmode: 'numeric', value: '3',
                                         min: words.fewestShooters, max: words.mostShooters, step: '1' }),
        plates: formElement('input', { id: 'experiment-plates', type: 'number', inputmode: 'numeric', value: '6',
                                       min: words.fewestPlates, max: words.mostPlates, step: '1' }),
        count: formElement('input', { id: 'experiment-count', type: 'text', inputmode: 'numeric', autocomplete: 'off' }),
    };
    // Each label's words are its first child, the box the second.
    const fields = {
        shooters: formElement('label', { class: 'experiment-field' }, '', boxes.shooters),
        plates: formElement('label', { class: 'experiment-field' }, '', boxes.plates),
        count: formElement('label', { class: 'experiment-field' }, '', boxes.count),
    };
    const button = formElement('button', { type: 'submit', id: 'experiment-simulate' });
    const legend = formElement('legend', { id: 'experimentTitle' });
    const statement = formElement('p', { id: 'experiment-statement', class: 'experiment-statement', 'aria-live': 'polite' });
    // The engine reads the boxes and words its refusals; the browser's own checks would
    // stop a run before it, in their own words.
    const form = formElement('form', { class: 'experiment-form', 'aria-labelledby': 'experimentTitle', novalidate: '' },
        formElement('fieldset', {},
            legend, fields.shooters, fields.plates, fields.count, button),
        statement);

    function label(given) {
        legend.textContent = given.group;
        fields.shooters.firstChild.data = given.shooters;
        fields.plates.firstChild.data = given.plates;
        fields.count.firstChild.data = given.trials;
        button.textContent = given.simulate;
    }
    label(words);

    // The statement of the experiment typed, while it is one; the last one stays otherwise.
    let stated = null;
    function restate() {
        const reading = engine.experiment(boxes.shooters.value, boxes.plates.value);
        if (reading.ok && statement.textContent !== reading.statement) {
            statement.textContent = reading.statement;
            stated = reading;
            changed?.();
        }
        return reading;
    }
    boxes.shooters.addEventListener('input', restate);
    boxes.plates.addEventListener('input', restate);

    // `tell` is told of a refusal instead of `refused` when given.
    function simulate(tell = refused) {
        const time = new Date().toLocaleTimeString('es-ES', { hour: '2-digit', minute: '2-digit', second: '2-digit' });
        const run = engine.simulateExperiment(boxes.count.value, boxes.shooters.value, boxes.plates.value,
                                              symbols, seed(), time);
        if (!run.ok) {
            tell(run.message, boxes[run.field]);
            return null;
        }
        simulated(run);
        return run;
    }
    form.addEventListener('submit', (event) => {
        event.preventDefault();
        simulate();
    });
    restate();

    return {
        element: form,
        // The experiment in the boxes, as the engine reads it, or the classic one.
        experiment() {
            const reading = engine.experiment(boxes.shooters.value, boxes.plates.value);
            return reading.ok ? { shooters: reading.shooters, plates: reading.plates } : { shooters: 3, plates: 6 };
        },
        // Fills the boxes as given (the address's texts, unread); those not given stay.
        set({ shooters, plates, count }) {
            if (shooters !== undefined) boxes.shooters.value = shooters;
            if (plates !== undefined) boxes.plates.value = plates;
            if (count !== undefined) boxes.count.value = count;
            restate();
        },
        simulate,
        // What a text from the address would read as in the boxes.
        check: (shooters, plates) => engine.experiment(shooters, plates),
        focus() { boxes.shooters.focus(); },
        // The words of another language; the statement follows, the numbers typed stay.
        relabel(given) {
            label(given);
            if (stated) statement.textContent = engine.experiment(String(stated.shooters), String(stated.plates)).statement;
        },
    };
}
