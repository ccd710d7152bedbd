// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching panel's history table, which may hold many thousands of runs: only
// the rows in and near the scrolled view are asked of the engine and put in the
// page, so that a new run, a chosen row or opening the panel costs the same at ten
// rows as at ten thousand. The rows above and below are stood for by padding.

const spareRows = 12;  // drawn beyond each edge of the view, for smooth scrolling

function tableElement(name, attributes = {}, ...children) {
    const element = document.createElement(name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    element.append(...children);
    return element;
}

// `scroller` is the scrolled region; `labelledBy` names the table; choosing a row's
// number calls `choose(number, button)`; `rowsOf(first, count)` gives the history's
// rows from the `first`-th on, as {number, cells}.
export function createHistoryRows({ scroller, labelledBy, choose, rowsOf }) {
    const head = tableElement('thead');
    const body = tableElement('tbody');
    const table = tableElement('table', { class: 'history-table', 'aria-labelledby': labelledBy }, head, body);
    const sizer = tableElement('div', { class: 'history-sizer' }, table);
    scroller.append(sizer);

    let rowCount = 0;
    let marked = null;
    let drawnFirst = 0, drawnLast = 0;
    let rowHeight = 0;

    function drawnRow(row) {
        const button = tableElement('button', { type: 'button', 'data-number': row.number,
                                                'aria-pressed': String(row.number === marked) }, row.cells[0]);
        return tableElement('tr', row.number === marked ? { class: 'shown' } : {},
                            tableElement('td', {}, button), ...row.cells.slice(1).map((text) => tableElement('td', {}, text)));
    }

    // Draws the rows the view needs, if they are not the ones drawn already.
    function draw(force = false) {
        const view = scroller.clientHeight || 480;
        const height = rowHeight || 40;
        const first = Math.max(0, Math.floor(scroller.scrollTop / height) - spareRows);
        const last = Math.min(rowCount, first + Math.ceil(view / height) + 2 * spareRows);
        if (!force && first === drawnFirst && last === drawnLast) return;
        const focusedNumber = body.contains(document.activeElement) ? document.activeElement.dataset.number : undefined;
        body.replaceChildren(...(last > first ? rowsOf(first, last - first) : []).map(drawnRow));
        drawnFirst = first;
        drawnLast = last;
        if (!rowHeight && body.firstElementChild) rowHeight = body.firstElementChild.getBoundingClientRect().height;
        sizer.style.paddingTop = `${first * (rowHeight || height)}px`;
        sizer.style.paddingBottom = `${(rowCount - last) * (rowHeight || height)}px`;
        if (focusedNumber !== undefined) {
            (body.querySelector(`button[data-number="${focusedNumber}"]`) ?? scroller).focus({ preventScroll: true });
        }
    }

    let drawPending = false;
    scroller.addEventListener('scroll', () => {
        if (drawPending) return;
        drawPending = true;
        requestAnimationFrame(() => { drawPending = false; draw(); });
    });
    body.addEventListener('click', (event) => {
        const button = event.target.closest('button[data-number]');
        if (button) choose(Number(button.dataset.number), button);
    });

    return {
        // The columns widen when a larger experiment joins the history: every row is
        // drawn again in the new shape.
        header(texts) {
            const drawn = [...(head.firstChild?.children ?? [])].map((th) => th.textContent);
            if (drawn.length === texts.length && drawn.every((text, i) => text === texts[i])) return;
            head.replaceChildren(tableElement('tr', {}, ...texts.map((text) => tableElement('th', { scope: 'col' }, text))));
            if (drawn.length) draw(true);
        },
        // The history now holds `count` rows: new runs' rows join at the foot, and
        // the view follows them there.
        update(count) {
            if (count === rowCount) return;
            const grew = count > rowCount;
            rowCount = count;
            if (grew) scroller.scrollTop = scroller.scrollHeight;
            draw(true);
            if (grew) {
                scroller.scrollTop = scroller.scrollHeight;
                draw();
            }
        },
        // Marks the shown run's row, without redrawing the others.
        mark(number) {
            if (number === marked) return;
            for (const [each, pressed] of [[marked, false], [number, true]]) {
                const button = body.querySelector(`button[data-number="${each}"]`);
                if (!button) continue;
                button.setAttribute('aria-pressed', String(pressed));
                button.closest('tr').classList.toggle('shown', pressed);
            }
            marked = number;
        },
        clear() {
            rowCount = 0;
            marked = null;
            draw(true);
        },
        // After the panel is shown again: its size may have changed while hidden.
        redraw() { draw(true); },
    };
}
