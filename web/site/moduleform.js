// The program's form in the WebAssembly module: the module holds the one form of the page, and its
// functions drive it.

// The form as the bridge drives it: controls by their index in the layout, texts as strings.
function formIn(module) {
    const calls = module.exports;
    const text = at => module.text(at);
    return {
        programName: () => text(calls.programName()),
        controlCount: () => calls.controlCount(),
        controlName: index => text(calls.controlName(index)),
        revision: index => calls.revision(index),
        // A label's or button's caption, an entry box's text.
        text: index => text(calls.text(index)),
        selStart: index => calls.selStart(index),
        selLength: index => calls.selLength(index),
        // False when the box keeps another text than the one given.
        setText(index, value) {
            module.write(value);
            return Boolean(calls.setText(index));
        },
        select: (index, start, length) => calls.setSelection(index, start, length),
        // What a paste over the selection inserts in its place, as the program reads it.
        pastedPiece(value, start, length, pasted) {
            module.write(value + pasted);
            return text(calls.pastedPiece(value.length, start, length));
        },
        click: index => Boolean(calls.click(index)),
        pressDefaultButton: () => Boolean(calls.pressDefaultButton()),
        isUnloaded: () => Boolean(calls.isUnloaded()),
        // The messages of the last click, in order, until cleared.
        messageCount: () => calls.messageCount(),
        message: index => text(calls.message(index)),
        clearMessages: () => calls.clearMessages(),
    };
}

// `module`: the page's module, as instantiated.
export function openForm(module, program) {
    module.write(program);
    if (!module.exports.openProgram())
        throw new Error(`no such program: ${program}`);
    return formIn(module);
}
