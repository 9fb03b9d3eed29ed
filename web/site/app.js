// A program's page: runs the program's form from the WebAssembly module behind the window that
// the page already shows. As the desktop's window does, it hands typing, selections, clicks and
// Enter to the form and, after each, shows once what the handler changed.
import './register.js';
import './lessonlink.js';

const page = window.demosPage;
const program = document.body.dataset.program;
const form = document.getElementById('form');
const Kind = { Label: 0, TextBox: 1, CommandButton: 2 };

// Exactly the code units of a view of the module's memory, a lone surrogate too.
function decode(view) {
    let text = '';
    for (let i = 0; i < view.length; i += 8192)
        text += String.fromCharCode.apply(null, view.subarray(i, i + 8192));
    return text;
}
const shownCaption = text => text.replace(/\r\n|\r|\n/g, '\n');

function failed() {
    const status = document.getElementById('status');
    status.textContent = 'Программа не загрузилась: обновите страницу. ' +
        'Если ошибка повторится, откройте страницу в другом браузере.';
    status.hidden = false;
    for (const control of form.querySelectorAll('button, input'))
        control.disabled = true;
}

// Compiled while the window paints, from the request the page preloads. A server that sends the
// module under another type than application/wasm only makes it slower.
async function compile(url) {
    const fetched = () => fetch(url, { credentials: 'same-origin' });
    try {
        return await WebAssembly.compileStreaming(fetched());
    } catch {
        const response = await fetched();
        if (!response.ok)
            throw new Error(`${url}: ${response.status}`);
        return WebAssembly.compile(await response.arrayBuffer());
    }
}
const compiled = compile(new URL('demos.wasm', import.meta.url));
compiled.catch(() => {});

let web;
try {
    // The window paints first; the loader's own work comes after.
    await new Promise(resolve => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const { default: createDemos } = await import('./demos.js');
    const module = await new Promise((resolve, reject) => {
        createDemos({
            instantiateWasm(imports, receive) {
                compiled.then(wasm => WebAssembly.instantiate(wasm, imports))
                    .then(instance => receive(instance), reject);
                return {};
            },
        }).then(resolve, reject);
    });
    web = new module.WebForm(program);
} catch (error) {
    failed();
    throw error;
}

const controls = [];
const byId = new Map();
for (let index = 0; index < web.controlCount(); ++index) {
    const control = {
        index,
        kind: web.controlKind(index),
        element: document.getElementById(web.controlName(index)),
        shown: web.revision(index),
        // An entry box's text as the form holds it.
        known: null,
    };
    control.known = control.kind === Kind.TextBox ? decode(web.text(index)) : null;
    controls.push(control);
    byId.set(control.element.id, control);
}
const boxes = controls.filter(control => control.kind === Kind.TextBox);

function sendText(box, value) {
    const buffer = web.inputBuffer(value.length);
    for (let i = 0; i < value.length; ++i)
        buffer[i] = value.charCodeAt(i);
    const kept = web.setText(box.index);
    box.known = kept ? value : decode(web.text(box.index));
    box.shown = web.revision(box.index);
    const input = box.element;
    if (!kept && input.value === value) {
        const caret = Math.min(input.selectionEnd, box.known.length);
        input.value = box.known;
        input.setSelectionRange(caret, caret);
    }
}

// What a user typed goes to the form at once, as on the desktop.
for (const box of boxes) {
    if (box.element.value !== box.known)
        sendText(box, box.element.value);
    box.element.addEventListener('input', () => sendText(box, box.element.value));
    box.element.addEventListener('blur', () => markSelection(box));
}

// The entry boxes as they were when the user clicked or pressed Enter.
function takeBoxes(states) {
    for (const state of states) {
        const box = byId.get(state.id);
        if (state.value !== box.known)
            sendText(box, state.value);
        web.select(box.index, state.start, state.end - state.start);
        box.shown = web.revision(box.index);
    }
}

const overflows = label => label.scrollHeight > label.clientHeight || label.scrollWidth > label.clientWidth;

// A caption that does not fit is drawn up to its last whole line that fits, ending with «…», and
// never with part of a word or a number. The label keeps the whole caption, for screen readers
// and the tooltip, drawn transparent under the shortened one.
const probe = document.createElement('div');
probe.className = 'label probe';
probe.setAttribute('aria-hidden', 'true');
form.append(probe);
const range = document.createRange();
function fit(label) {
    label.classList.remove('clipped');
    if (!overflows(label) || !label.firstChild) {
        delete label.dataset.short;
        return;
    }
    // The words that lie wholly inside the label, read off the layout the browser already made.
    const text = label.firstChild.data;
    const area = label.getBoundingClientRect();
    const ends = [];
    for (const word of text.matchAll(/[^ \n]+/g)) {
        range.setStart(label.firstChild, word.index);
        range.setEnd(label.firstChild, word.index + word[0].length);
        const rects = range.getClientRects();
        const end = rects[rects.length - 1];
        if (rects.length !== 1 || end.bottom > area.bottom + 0.5 || end.right > area.right + 0.5)
            break;
        ends.push(word.index + word[0].length);
    }
    // Then as many of them as leave room for the ellipsis.
    probe.style.width = `${label.offsetWidth}px`;
    probe.style.height = `${label.offsetHeight}px`;
    let shown;
    do {
        shown = text.slice(0, ends.pop() ?? 0) + '…';
        probe.textContent = shown;
    } while (ends.length && overflows(probe));
    label.dataset.short = shown;
    label.classList.add('clipped');
}

// The button Enter presses is drawn as the default: the focused button, else the layout's.
const defaultButton = document.getElementById(document.body.dataset.defaultButton);
function showDefaultButton() {
    const focused = document.activeElement;
    const target = focused instanceof HTMLButtonElement && form.contains(focused) ? focused : defaultButton;
    for (const button of form.querySelectorAll('button'))
        button.classList.toggle('default', button === target);
}
document.addEventListener('focusin', showDefaultButton);
document.addEventListener('focusout', () => queueMicrotask(showDefaultButton));
showDefaultButton();

// Captions are fitted in the frame that draws them, once the browser has laid them out.
const toFit = new Set();
function fitCaptions() {
    for (const label of toFit)
        fit(label);
    toFit.clear();
}

// The start captions too, once the window's font is in: another font wraps otherwise.
document.fonts.ready.then(() => {
    for (const control of controls) {
        if (control.kind === Kind.Label)
            toFit.add(control.element);
    }
    requestAnimationFrame(fitCaptions);
});

const marks = new Set();
function refresh() {
    for (const control of controls) {
        const revision = web.revision(control.index);
        if (revision === control.shown)
            continue;
        control.shown = revision;
        const element = control.element;
        if (control.kind === Kind.TextBox) {
            const text = decode(web.text(control.index));
            if (text !== control.known) {
                element.value = text;
                control.known = text;
            }
            if (element.value === text) {
                const start = web.selStart(control.index);
                element.setSelectionRange(start, start + web.selLength(control.index));
                marks.add(control);
            }
        } else {
            const caption = decode(web.text(control.index));
            element.textContent = control.kind === Kind.Label ? shownCaption(caption) : caption;
            if (control.kind === Kind.Label)
                toFit.add(element);
        }
    }
    if (marks.size)
        requestAnimationFrame(markSelections);
    if (toFit.size)
        requestAnimationFrame(fitCaptions);
}

// An entry box without the focus shows its selection as the desktop's does, scrolled into view.
const measure = document.createElement('canvas').getContext('2d');
function markSelection(box) {
    const input = box.element;
    const mark = document.getElementById(`${input.id}-selection`).firstElementChild;
    const style = getComputedStyle(input);
    measure.font = `${style.fontSize} ${style.fontFamily}`;
    const padding = parseFloat(style.paddingLeft);
    const room = input.clientWidth - padding - parseFloat(style.paddingRight);
    const value = input.value;
    const start = measure.measureText(value.slice(0, input.selectionStart)).width;
    const end = start + measure.measureText(value.slice(input.selectionStart, input.selectionEnd)).width;
    if (document.activeElement !== input) {
        if (end - input.scrollLeft > room)
            input.scrollLeft = end - room;
        else if (start < input.scrollLeft)
            input.scrollLeft = start;
    }
    mark.style.left = `${padding + start - input.scrollLeft}px`;
    mark.style.width = `${end - start}px`;
}
function markSelections() {
    for (const box of marks)
        markSelection(box);
    marks.clear();
}

// Messages wait for the click to return; clicks wait for the message box to close.
const dialog = document.getElementById('message');
const queue = [...page.pending];
let messages = [];
let returnFocus = null;

function answer(action) {
    takeBoxes(action.boxes);
    if (action.kind === 'click') {
        const button = byId.get(action.id);
        if (button)
            web.click(button.index);
    } else {
        web.pressDefaultButton();
    }
    refresh();
    for (let i = 0; i < web.messageCount(); ++i)
        messages.push(decode(web.message(i)));
    web.clearMessages();
    if (web.isUnloaded())
        end();
}

function run() {
    while (!dialog.open) {
        if (messages.length) {
            showMessage(messages.shift());
            return;
        }
        if (!queue.length || web.isUnloaded())
            return;
        answer(queue.shift());
    }
}

const title = decode(web.programName());
function showMessage(text) {
    if (!returnFocus)
        returnFocus = document.activeElement;
    document.getElementById('messageTitle').textContent = title;
    document.getElementById('messageText').textContent = text;
    dialog.showModal();
    document.getElementById('messageOk').focus();
}
document.getElementById('messageOk').addEventListener('click', () => dialog.close());
dialog.addEventListener('close', () => {
    if (!messages.length) {
        if (returnFocus && returnFocus.isConnected && !web.isUnloaded())
            returnFocus.focus();
        returnFocus = null;
    }
    run();
});

function end() {
    queue.length = 0;
    document.getElementById('window').hidden = true;
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
}

// A caption that does not fit shows whole in a tooltip, and on a tap.
const tip = document.getElementById('tip');
form.addEventListener('mouseover', event => {
    const label = event.target.closest('.label');
    if (!label)
        return;
    if (overflows(label))
        label.title = label.textContent;
    else
        label.removeAttribute('title');
});
form.addEventListener('click', event => {
    const label = event.target.closest('.label');
    if (!label || !overflows(label))
        return;
    const where = label.getBoundingClientRect();
    tip.textContent = label.textContent;
    tip.style.left = `${where.left + window.scrollX}px`;
    tip.style.top = `${where.bottom + window.scrollY + 2}px`;
    tip.hidden = false;
    event.stopPropagation();
});
document.addEventListener('click', () => { tip.hidden = true; });

page.dispatch = action => {
    queue.push(action);
    run();
};
page.pending.length = 0;
run();
