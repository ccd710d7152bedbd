// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the window from the engine's layout table: every control with its name,
// text, font, colours and place. Places are kept as fractions of the window, so it
// scales with the page; below 700 px the style sheet reflows it into one column.
//
// The controls are siblings, in the order the keyboard visits them on the desktop
// (the table's tab places), each label just before the control it describes, so
// that Tab and a screen reader follow the desktop's chain; the frames are drawn
// behind the controls they enclose.

// The page's sequence. Controls that take the focus stand in tab order; every
// other control is read just before the first of them it belongs with.
const sequence = [
    'Label14', 'Label15', 'Label18', 'Label19', 'cmdSimular',
    'Frame2', 'Label1', 'Label16', 'txtNs',
    'Frame1', 'Label9', 'Label3', 'txtS1', 'Label4', 'txtS2', 'Label5', 'txtS3', 'Label2', 'txtS6',
    'Label10', 'txtS1p', 'txtS2p', 'txtS3p', 'Label8', 'txtMed',
    'cmdBorrar', 'cmdSalir', 'cmdImprimir',
    'Label12', 'txtTeo1', 'txtTeo2', 'txtTeo3',
    'Label11',
];

const takesFocus = (row) => row.kind === 'textbox' || row.kind === 'button';

// The sequence must hold every control of the table once, with the focusable ones
// in the table's tab order; a table that changes without it fails here, loudly.
function checkedSequence(layout) {
    const names = layout.controls.map((row) => row.name);
    const missing = names.filter((name) => !sequence.includes(name));
    const unknown = sequence.filter((name) => !names.includes(name));
    const rows = new Map(layout.controls.map((row) => [row.name, row]));
    const tabs = sequence.filter((name) => rows.has(name) && takesFocus(rows.get(name)))
        .map((name) => rows.get(name).tab);
    if (missing.length || unknown.length || tabs.some((tab, i) => i > 0 && tab < tabs[i - 1])) {
        throw new Error(`window sequence out of step with the layout: ${[...missing, ...unknown]}`);
    }
    return sequence.map((name) => rows.get(name));
}

// Each kind of control, made, and given the texts of its row: at start, and again
// in the new language when the page's language changes.
const elementFor = {
    label: () => document.createElement('div'),
    frame: () => {
        const frame = document.createElement('div');
        const caption = document.createElement('span');
        caption.className = 'caption';
        frame.append(caption);
        return frame;
    },
    textbox: (row) => {
        const box = document.createElement('input');
        box.type = 'text';
        box.value = row.text;
        box.autocomplete = 'off';
        box.spellcheck = false;
        return box;
    },
    button: () => {
        const button = document.createElement('button');
        button.type = 'button';
        return button;
    },
};

const labelFor = {
    label: (label, row) => { label.textContent = row.text; },
    frame: (frame, row) => { frame.querySelector('.caption').textContent = row.text; },
    // A box's text is what it holds, which a language change keeps; its name is a label.
    textbox: (box, row) => {
        if (row.accessibleName) box.setAttribute('aria-label', row.accessibleName);
        else box.removeAttribute('aria-label');
    },
    button: (button, row) => {
        // "&Simular": S is the access key, underlined as on the desktop.
        const mark = row.text.indexOf('&');
        if (mark >= 0 && mark + 1 < row.text.length) {
            const key = row.text[mark + 1];
            const underlined = document.createElement('u');
            underlined.textContent = key;
            button.replaceChildren(row.text.slice(0, mark), underlined, row.text.slice(mark + 2));
            button.accessKey = key.toLowerCase();
        } else {
            button.textContent = row.text;
            button.removeAttribute('accesskey');
        }
    },
};

const percent = (part, whole) => `${(part / whole) * 100}%`;

// Creates the window inside `host`; gives back the controls by name.
export function buildWindow(host, layout) {
    const window = document.createElement('div');
    window.id = layout.name;
    window.className = 'window';
    window.setAttribute('role', 'group');
    window.setAttribute('aria-label', layout.caption);
    host.append(window);

    const frames = new Map(layout.controls.filter((row) => row.kind === 'frame').map((row) => [row.name, row]));
    const controls = new Map();
    for (const row of checkedSequence(layout)) {
        const control = elementFor[row.kind](row);
        labelFor[row.kind](control, row);
        control.id = row.name;
        control.classList.add(`kind-${row.kind}`, `face-${row.face}`, `colours-${row.colours}`);
        if (row.centred) control.classList.add('centred');
        if (row.container) control.classList.add(`in-${row.container}`);
        // Places inside a frame are measured from the frame's top left corner.
        const frame = row.container ? frames.get(row.container) : { left: 0, top: 0 };
        Object.assign(control.style, {
            left: percent(frame.left + row.left, layout.width),
            top: percent(frame.top + row.top, layout.height),
            width: percent(row.width, layout.width),
            height: percent(row.height, layout.height),
        });
        window.append(control);
        controls.set(row.name, control);
    }
    // The count is the one box the user types in; the results are the program's.
    for (const name of layout.resultBoxes) controls.get(name).readOnly = true;
    const count = controls.get('txtNs');
    count.inputMode = 'decimal';
    return controls;
}

// Gives the window built by buildWindow the texts of `layout`, the same table in
// another language: what the boxes hold stays.
export function relabelWindow(controls, layout) {
    controls.get(layout.controls[0].name).parentElement.setAttribute('aria-label', layout.caption);
    for (const row of layout.controls) labelFor[row.kind](controls.get(row.name), row);
}
