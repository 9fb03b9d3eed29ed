// The window as the build wrote it into the page from the layout table: entry boxes, captions and
// buttons by the core's names for their kinds, the button Enter presses drawn as the default, and
// the page's words once the program has ended.

// Loaded in a later task than the window's first answer, which their requests would hold up: what
// they draw is drawn in a later frame anyway, or on hovering.
const afterThisTask = load => new Promise(resolve => setTimeout(resolve, 0)).then(load);

// No program to run: the window says so and offers nothing to press.
export function showLoadFailure(document) {
    const status = document.getElementById('status');
    status.textContent = 'Программа не загрузилась: обновите страницу. ' +
        'Если ошибка повторится, откройте страницу в другом браузере.';
    status.hidden = false;
    for (const control of document.querySelectorAll('#form button, #form input'))
        control.disabled = true;
}

export class WindowView {
    #document;
    #form;
    #lineBreak;
    #defaultButton;
    #fitter;
    #marks;
    #toFit = new Set();
    #toMark = new Set();

    // `fitter`: a CaptionFitter, which a caption changed by the first click needs in its next frame.
    constructor(document, fitter) {
        const body = document.body;
        this.#document = document;
        this.#form = document.getElementById('form');
        this.#lineBreak = body.dataset.lineBreak;
        this.#defaultButton = document.getElementById(body.dataset.defaultButton);
        this.#fitter = Promise.resolve(fitter);
        this.#marks = afterThisTask(() => import('./selectionmark.js'))
            .then(({ SelectionMarks }) => new SelectionMarks(document));

        // In the next frame: the browser scrolls a box back to its start once the focus has left.
        for (const box of this.#ofKind('TextBox'))
            box.addEventListener('blur', () => this.#markLater(box));
        const drawDefault = () => this.#drawDefaultButton();
        document.addEventListener('focusin', drawDefault);
        document.addEventListener('focusout', () => queueMicrotask(drawDefault));
        drawDefault();
        // The start captions too, once the window's font is in: another font wraps otherwise. And
        // all of them again after a resize or a rotation, once a frame.
        const fitAll = () => {
            for (const label of this.#ofKind('Label'))
                this.#fitLater(label);
        };
        document.fonts.ready.then(fitAll);
        document.defaultView.addEventListener('resize', fitAll);
        afterThisTask(() => import('./tooltips.js'))
            .then(({ addCaptionTips }) => addCaptionTips(this.#form, document.getElementById('tip')));
    }

    isEntryBox(name) {
        return this.#control(name).dataset.kind === 'TextBox';
    }

    defaultButtonName() {
        return this.#defaultButton.id;
    }

    entryText(name) {
        return this.#control(name).value;
    }

    // Typing, as each change happens: handler(name, text).
    bindTyping(handler) {
        for (const box of this.#ofKind('TextBox'))
            box.addEventListener('input', () => handler(box.id, box.value));
    }

    // Pastes and drops into a box: handler(name, text, start, end, pasted) gives what goes in place
    // of the selection. It goes in as an edit of the box, which Ctrl+Z undoes, with the caret after it.
    bindPasting(handler) {
        for (const box of this.#ofKind('TextBox')) {
            const insert = (event, data) => {
                const pasted = data?.getData('text/plain');
                if (!pasted)
                    return;
                event.preventDefault();
                box.focus();
                const { selectionStart: start, selectionEnd: end } = box;
                const piece = handler(box.id, box.value, start, end, pasted);
                // Set on either side of the edit, the selection keeps the browser from joining the
                // edit to the typing before or after it: each is undone on its own.
                box.setSelectionRange(start, end);
                if (piece)
                    this.#document.execCommand('insertText', false, piece);
                else if (start !== end)
                    this.#document.execCommand('delete');
                box.setSelectionRange(box.selectionStart, box.selectionEnd);
            };
            box.addEventListener('paste', event => insert(event, event.clipboardData));
            box.addEventListener('drop', event => insert(event, event.dataTransfer));
        }
    }

    // Clicks and Enter, each with the entry boxes as they were at that moment: the page's early
    // script has kept those made before the program could answer.
    bindActions(handler) {
        const page = this.#document.defaultView.demosPage;
        page.dispatch = handler;
        for (const action of page.pending.splice(0))
            handler(action);
    }

    setEntryText(name, text) {
        this.#control(name).value = text;
    }

    // The text the form holds instead of the one typed, with the caret where it was.
    setHeldText(name, typed, held) {
        const box = this.#control(name);
        if (box.value !== typed)
            return;
        const caret = Math.min(box.selectionEnd, held.length);
        box.value = held;
        box.setSelectionRange(caret, caret);
    }

    // Unless the box shows another text by now.
    setSelection(name, text, start, end) {
        const box = this.#control(name);
        if (box.value !== text)
            return;
        box.setSelectionRange(start, end);
        this.#markLater(box);
    }

    // A label breaks its lines where the caption has the core's line break; a button's caption is
    // one line.
    setCaption(name, caption) {
        const control = this.#control(name);
        if (control.dataset.kind !== 'Label') {
            control.textContent = caption;
            return;
        }
        control.textContent = caption.split(this.#lineBreak).join('\n');
        this.#fitLater(control);
    }

    setEnded() {
        const document = this.#document;
        document.getElementById('window').hidden = true;
        document.getElementById('ended').hidden = false;
        document.getElementById('restart').focus();
    }

    // Each once, in the frame that draws it, once the browser has laid it out and `drawer` has loaded.
    #later(pending, element, drawer, draw) {
        pending.add(element);
        if (pending.size > 1)
            return;
        drawer.then(loaded => requestAnimationFrame(() => {
            for (const each of pending)
                draw(loaded, each);
            pending.clear();
        }));
    }

    #markLater(box) {
        this.#later(this.#toMark, box, this.#marks, (marks, each) => marks.mark(each));
    }

    #fitLater(label) {
        this.#later(this.#toFit, label, this.#fitter, (fitter, each) => fitter.fit(each));
    }

    #control(name) {
        return this.#document.getElementById(name);
    }

    #ofKind(kind) {
        return this.#form.querySelectorAll(`[data-kind="${kind}"]`);
    }

    // The focused button, else the layout's.
    #drawDefaultButton() {
        const focused = this.#document.activeElement;
        const target = focused?.localName === 'button' && this.#form.contains(focused)
            ? focused : this.#defaultButton;
        for (const button of this.#ofKind('CommandButton'))
            button.classList.toggle('default', button === target);
    }
}
