// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Ensayo a ensayo": the teaching panel's run taken one trial, ten or a hundred at a
// time, or played at 1 to 20 trials a second, from a seed that is shown (the
// address's ?semilla= when given). The engine draws every trial and writes every
// line; this module draws the scene and moves the texts. The list of the last trials
// is spoken politely once a batch, and not while the run plays.
import { createStepScene } from './step_scene.js';

function stepElement(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

// "&Un ensayo" as the desktop marks it: the text without "&", and its access key.
function accessKeyOf(label) {
    const mark = label.indexOf('&');
    return mark >= 0 && mark + 1 < label.length
        ? { text: label.slice(0, mark) + label.slice(mark + 1), at: mark } : { text: label, at: -1 };
}

// Puts `label` into `element` with its access key underlined. The page shows at once
// controls the desktop keeps on separate tabs, so a letter already taken gives way to
// the first free letter of the label.
export function withAccessKey(element, label, taken) {
    const { text, at } = accessKeyOf(label);
    element.removeAttribute('accesskey');
    const free = (i) => /\p{L}|\d/u.test(text[i]) && !taken.has(text[i].toLowerCase());
    let place = at >= 0 && free(at) ? at : [...text].findIndex((_, i) => free(i));
    if (place < 0) {
        element.textContent = text;
        return element;
    }
    const key = text[place].toLowerCase();
    taken.add(key);
    element.accessKey = key;
    element.replaceChildren(text.slice(0, place), stepElement('u', {}, text[place]), text.slice(place + 1));
    return element;
}

const reducedMotion = window.matchMedia?.('(prefers-reduced-motion: reduce)');

// `seed()` is the address's seed or null; `experiment()` the panel's {shooters,
// plates}; `stepped(state)` is told after every batch, with the engine's state.
export function createStepPart({ engine, symbols, words, seed, experiment, stepped, taken }) {
    const scene = createStepScene(accessKeyOf(words.title).text);
    const outcome = stepElement('p', { id: 'step-outcome', class: 'step-outcome' });
    const button = (id) => stepElement('button', { type: 'button', id });
    const buttons = {
        one: button('step-one'), ten: button('step-ten'), hundred: button('step-hundred'),
        play: button('step-play'), restart: button('step-restart'),
    };
    // Reproducir and Pausa share a button: Pausa's letter is kept for it too.
    const pauseLabel = stepElement('span');
    const playKeys = {};

    const speed = stepElement('input', { type: 'number', min: words.fewestSpeed, max: words.mostSpeed, step: '1', value: '5' });
    const count = stepElement('input', { type: 'number', min: '1', max: words.mostTrials, step: '1', value: '100' });
    const still = stepElement('input', { type: 'checkbox' });
    still.checked = reducedMotion?.matches ?? false;
    const guessBroken = stepElement('select', {});
    const guessPercent = stepElement('input', { type: 'number', min: '0', max: '100', step: '1', value: '50' });
    // Each box with its label, which carries the box's access key.
    const fields = [['step-guess-broken', guessBroken, 'howMany'], ['step-guess-percent', guessPercent, 'howOften'],
                    ['step-speed', speed, 'speed'], ['step-still', still, 'noAnimation'], ['step-count', count, 'trialCount']]
        .map(([id, box, word]) => {
            box.id = id;
            return { box, word, label: stepElement('label', { for: id }) };
        });
    const field = (id) => {
        const { box, label } = fields.find((each) => each.box.id === id);
        return stepElement('span', { class: 'step-field' }, ...(box.type === 'checkbox' ? [box, label] : [label, box]));
    };
    const seedText = stepElement('p', { id: 'step-seed', class: 'step-seed' });
    const progress = stepElement('p', { id: 'step-progress' });
    const tally = stepElement('ul', { id: 'step-tally', class: 'step-tally' });
    const title = stepElement('h3', { id: 'stepsTitle' });
    const tallyTitle = stepElement('h4', {});
    const recentTitle = stepElement('h4', { id: 'step-recent-title' });
    const recent = stepElement('div', { id: 'step-recent', class: 'step-recent', role: 'log', 'aria-live': 'polite',
                                       'aria-labelledby': 'step-recent-title' });
    const sentence = stepElement('p', { id: 'step-sentence', class: 'step-sentence', 'aria-live': 'polite' });

    const element = stepElement('section', { id: 'steps', class: 'step-part', 'aria-labelledby': 'stepsTitle' },
        title,
        stepElement('div', { class: 'step-prediction' }, field('step-guess-broken'), field('step-guess-percent')),
        stepElement('div', { class: 'step-columns' },
            stepElement('div', { class: 'step-stage' },
                scene.element, outcome,
                stepElement('div', { class: 'step-buttons' }, buttons.one, buttons.ten, buttons.hundred),
                stepElement('div', { class: 'step-buttons' }, buttons.play, field('step-speed'), field('step-still')),
                stepElement('div', { class: 'step-buttons' }, field('step-count'), buttons.restart, seedText)),
            stepElement('div', { class: 'step-side' }, tallyTitle, progress, tally, recentTitle, recent, sentence)));

    // Every word of the part, with access keys not in `taken`; again for another language.
    function label(given, keys) {
        words = given;
        taken = keys;
        title.textContent = accessKeyOf(words.title).text;
        scene.setLabel(title.textContent);
        tallyTitle.textContent = words.tallyTitle;
        recentTitle.textContent = words.recentTitle;
        for (const [key, word] of [['one', 'oneTrial'], ['ten', 'tenTrials'], ['hundred', 'hundredTrials'],
                                   ['play', 'play'], ['restart', 'restart']]) {
            withAccessKey(buttons[key], words[word], taken);
        }
        withAccessKey(pauseLabel, words.pause, taken);
        playKeys.play = buttons.play.accessKey;
        playKeys.pause = pauseLabel.accessKey;
        for (const { box, word, label: text } of fields) {
            withAccessKey(text, words[word], taken);
            box.accessKey = text.accessKey;
            text.removeAttribute('accesskey');
        }
        if (guessBroken.options.length) guessBroken.options[0].textContent = words.noPrediction;
    }
    label(words, taken);

    let state = null;
    let timer = null;

    const animated = () => !still.checked;
    const within = (box, low, high, fallback) => {
        const value = Math.round(Number(box.value));
        return Number.isFinite(value) && box.value !== '' ? Math.min(high, Math.max(low, value)) : fallback;
    };

    // The engine's state, written into the part.
    function show(answer, spoken) {
        state = answer;
        if (answer.last) scene.show(answer.last, animated());
        // A batch of no trials (the same run in another language) keeps the drawing.
        if (answer.last || answer.done === 0) outcome.textContent = answer.last?.outcome ?? '';
        seedText.textContent = answer.seedText;
        progress.textContent = answer.progress;
        tally.replaceChildren(...answer.tally.map((line) => stepElement('li', {}, line)));
        recent.setAttribute('aria-live', spoken ? 'polite' : 'off');
        // Only what is new joins the list, so that a reader hears the batch's lines.
        const shown = [...recent.children].map((item) => item.textContent);
        const fresh = Math.min(answer.taken, answer.recent.length);
        if (fresh === 0 || shown.length === 0) {
            recent.replaceChildren(...answer.recent.map((line) => stepElement('p', {}, line)));
        } else {
            recent.append(...answer.recent.slice(-fresh).map((line) => stepElement('p', {}, line)));
            while (recent.children.length > answer.recent.length) recent.firstElementChild.remove();
        }
        sentence.textContent = answer.sentence;
        const begun = answer.done > 0;
        guessBroken.disabled = begun;
        guessPercent.disabled = begun;
        for (const key of ['one', 'ten', 'hundred', 'play']) buttons[key].disabled = answer.finished;
        stepped(answer);
    }

    function restart() {
        setPlaying(false);
        outcome.textContent = '';
        const { shooters, plates } = experiment();
        const answer = engine.stepStart(symbols, within(count, 1, words.mostTrials, 100), shooters, plates, seed());
        scene.setExperiment(answer.shooters, answer.plates);
        const kept = guessBroken.value;
        guessBroken.replaceChildren(stepElement('option', { value: '0' }, words.noPrediction),
            ...Array.from({ length: answer.mostBroken }, (_, i) => stepElement('option', { value: String(i + 1) }, String(i + 1))));
        if (Number(kept) <= answer.mostBroken) guessBroken.value = kept || '0';
        show(answer, false);
    }

    // `again` takes the run's state as it stands, finished or not.
    function take(trials, again = false) {
        if (!state || (state.finished && !again)) return;
        const time = new Date().toLocaleTimeString('es-ES', { hour: '2-digit', minute: '2-digit', second: '2-digit' });
        const answer = engine.stepAdvance(symbols, time, trials, Number(guessBroken.value), within(guessPercent, 0, 100, 50));
        if (answer.finished) setPlaying(false);
        show(answer, timer === null);
    }

    function setPlaying(playing) {
        if (timer !== null) clearInterval(timer);
        timer = null;
        const label = playing ? words.pause : words.play;
        buttons.play.accessKey = playing ? playKeys.pause : playKeys.play;
        const { text, at } = accessKeyOf(label);
        const place = text.toLowerCase().indexOf(buttons.play.accessKey);
        buttons.play.replaceChildren(...(place >= 0 ? [text.slice(0, place), stepElement('u', {}, text[place]), text.slice(place + 1)]
            : [text.slice(0, Math.max(0, at)), text.slice(Math.max(0, at))]));
        buttons.play.setAttribute('aria-pressed', String(playing));
        // Quiet while it plays, so that a reader is not talked over at every trial;
        // when it stops, where it stands is read out once.
        recent.setAttribute('aria-live', playing ? 'off' : 'polite');
        if (playing) timer = setInterval(() => take(1), 1000 / within(speed, words.fewestSpeed, words.mostSpeed, 5));
    }

    buttons.one.addEventListener('click', () => take(1));
    buttons.ten.addEventListener('click', () => take(10));
    buttons.hundred.addEventListener('click', () => take(100));
    buttons.play.addEventListener('click', () => setPlaying(timer === null));
    buttons.restart.addEventListener('click', restart);
    speed.addEventListener('change', () => { if (timer !== null) setPlaying(true); });
    // A new count reshapes a run not yet begun.
    count.addEventListener('change', () => { if (state?.done === 0) restart(); });
    // The space bar takes a trial wherever no control of the part takes the key itself.
    element.addEventListener('keydown', (event) => {
        const own = event.target.closest('button, input, select, textarea, a');
        if (event.key !== ' ' || own || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        take(1);
    });
    reducedMotion?.addEventListener?.('change', () => { still.checked = reducedMotion.matches; });

    return {
        element,
        restart,
        // The panel's experiment changed: a run not yet begun follows it.
        experimentChanged() { if (state?.done === 0) restart(); },
        started: () => state !== null,
        drawnChoices: scene.drawnChoices,
        stop: () => setPlaying(false),
        // The page speaks another language: the part's words, and the run's, in it.
        relabel(given, keys) {
            label(given, keys);
            if (timer !== null) setPlaying(true);
            else setPlaying(false);
            if (state) take(0, true);
        },
    };
}
