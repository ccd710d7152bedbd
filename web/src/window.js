// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the window from the engine's layout table: every control with its name,
// text, font, colours and place. Places are kept as fractions of the container, so
// the window scales with the page; below 700 px the style sheet reflows it.

const elementFor = {
    label: (row) => {
        const label = document.createElement('div');
        label.textContent = row.text;
        return label;
    },
    frame: (row) => {
        const frame = document.createElement('fieldset');
        const caption = document.createElement('legend');
        caption.textContent = row.text;
        frame.append(caption);
        return frame;
    },
    textbox: (row) => {
        const box = document.createElement('input');
        box.type = 'text';
        box.value = row.text;
        box.autocomplete = 'off';
        box.spellcheck = false;
        if (row.accessibleName) box.setAttribute('aria-label', row.accessibleName);
        return box;
    },
    button: (row) => {
        const button = document.createElement('button');
        button.type = 'button';
        // "&Simular": S is the access key, underlined as on the desktop.
        const mark = row.text.indexOf('&');
        if (mark >= 0 && mark + 1 < row.text.length) {
            const key = row.text[mark + 1];
            const underlined = document.createElement('u');
            underlined.textContent = key;
            button.append(row.text.slice(0, mark), underlined, row.text.slice(mark + 2));
            button.accessKey = key.toLowerCase();
        } else {
            button.textContent = row.text;
        }
        return button;
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

    const controls = new Map();
    const sizes = new Map([[null, { width: layout.width, height: layout.height }]]);
    for (const row of layout.controls) {
        const control = elementFor[row.kind](row);
        control.id = row.name;
        control.classList.add(`kind-${row.kind}`, `face-${row.face}`, `colours-${row.colours}`);
        if (row.centred) control.classList.add('centred');
        const container = sizes.get(row.container);
        Object.assign(control.style, {
            left: percent(row.left, container.width),
            top: percent(row.top, container.height),
            width: percent(row.width, container.width),
            height: percent(row.height, container.height),
        });
        (row.container ? controls.get(row.container) : window).append(control);
        controls.set(row.name, control);
        if (row.kind === 'frame') sizes.set(row.name, row);
    }
    // The count is the one box the user types in; the results are the program's.
    for (const name of layout.resultBoxes) controls.get(name).readOnly = true;
    const count = controls.get('txtNs');
    count.inputMode = 'decimal';
    return controls;
}
