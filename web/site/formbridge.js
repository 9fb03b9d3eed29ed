// Between the window and the program's form in the module. As the desktop's window does, it hands
// typing, selections, clicks and Enter to the form and, after each, shows once what the handler
// changed. Messages wait for the click to return; clicks wait for the message box to close.
// Each answered click or Enter is announced once, whatever key, button or early press caused it.

export class FormBridge {
    #form;
    #view;
    #messageBox;
    #controls = [];
    #byName = new Map();
    #actions = [];
    #messages = [];
    #title;
    #listeners = [];
    // The last answer by each button, latest last, for a listener that comes later.
    #answered = new Map();

    constructor(form, view, messageBox) {
        this.#form = form;
        this.#view = view;
        this.#messageBox = messageBox;
        this.#title = form.programName();
        for (let index = 0; index < form.controlCount(); ++index) {
            const name = form.controlName(index);
            const control = {
                index,
                name,
                isEntryBox: view.isEntryBox(name),
                shown: form.revision(index),
                // An entry box's text as the form holds it.
                known: null,
            };
            if (control.isEntryBox)
                control.known = form.text(index);
            this.#controls.push(control);
            this.#byName.set(name, control);
        }
    }

    start() {
        // What a user typed goes to the form at once, as on the desktop; what was typed before the
        // module had loaded too.
        for (const box of this.#controls.filter(control => control.isEntryBox)) {
            const typed = this.#view.entryText(box.name);
            if (typed !== box.known)
                this.#sendText(box, typed);
        }
        this.#view.bindTyping((name, text) => this.#sendText(this.#byName.get(name), text));
        this.#view.bindPasting((name, text, start, end, pasted) =>
            this.#form.pastedPiece(text, start, end - start, pasted));
        this.#messageBox.bindClosed(() => this.#messageClosed());
        this.#view.bindActions(action => {
            this.#actions.push(action);
            this.#run();
        });
    }

    // listener({ button, texts }): the button pressed (Enter's default included) and the entry
    // boxes' texts as the form read them, by name. A listener added later hears at once the last
    // answer by each button, in the order they came: a page loads its listeners after the
    // presses made before it had loaded were answered.
    onAnswered(listener) {
        this.#listeners.push(listener);
        for (const answer of this.#answered.values())
            listener(answer);
    }

    #sendText(box, text) {
        const form = this.#form;
        const kept = form.setText(box.index, text);
        box.known = kept ? text : form.text(box.index);
        box.shown = form.revision(box.index);
        if (!kept)
            this.#view.setHeldText(box.name, text, box.known);
    }

    // The entry boxes as they were when the user clicked or pressed Enter.
    #takeBoxes(states) {
        for (const state of states) {
            const box = this.#byName.get(state.id);
            if (state.value !== box.known)
                this.#sendText(box, state.value);
            this.#form.select(box.index, state.start, state.end - state.start);
            box.shown = this.#form.revision(box.index);
        }
    }

    #answer(action) {
        const form = this.#form;
        this.#takeBoxes(action.boxes);
        const texts = new Map(this.#controls.filter(control => control.isEntryBox)
            .map(box => [box.name, box.known]));
        let pressed = null;
        if (action.kind === 'click') {
            const button = this.#byName.get(action.id);
            if (button) {
                pressed = button.name;
                form.click(button.index);
            }
        } else {
            pressed = this.#view.defaultButtonName();
            form.pressDefaultButton();
        }
        this.#refresh();
        if (pressed)
            this.#announce({ button: pressed, texts });
        for (let i = 0; i < form.messageCount(); ++i)
            this.#messages.push(form.message(i));
        form.clearMessages();
        if (form.isUnloaded()) {
            this.#actions.length = 0;
            this.#view.setEnded();
        }
    }

    #announce(answer) {
        this.#answered.delete(answer.button);
        this.#answered.set(answer.button, answer);
        for (const listener of this.#listeners)
            listener(answer);
    }

    #refresh() {
        const form = this.#form;
        for (const control of this.#controls) {
            const revision = form.revision(control.index);
            if (revision === control.shown)
                continue;
            control.shown = revision;
            const text = form.text(control.index);
            if (!control.isEntryBox) {
                this.#view.setCaption(control.name, text);
                continue;
            }
            if (text !== control.known) {
                control.known = text;
                this.#view.setEntryText(control.name, text);
            }
            const start = form.selStart(control.index);
            this.#view.setSelection(control.name, text, start, start + form.selLength(control.index));
        }
    }

    #run() {
        while (!this.#messageBox.isOpen) {
            if (this.#messages.length) {
                this.#messageBox.show(this.#title, this.#messages.shift());
                return;
            }
            if (!this.#actions.length || this.#form.isUnloaded())
                return;
            this.#answer(this.#actions.shift());
        }
    }

    #messageClosed() {
        if (!this.#messages.length)
            this.#messageBox.returnFocus(!this.#form.isUnloaded());
        this.#run();
    }
}
