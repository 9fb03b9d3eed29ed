// Under a program's window, once its default button has been pressed (a click or Enter in a box,
// before the page had loaded too): the link to the lesson with the entry boxes' texts that press
// read. The page holds the core's link with each value a box's name in braces; a text goes in
// encoded as the core encodes it.
const defaultButton = document.body.dataset.defaultButton;

// `bridge`: the window's FormBridge, which announces each answered press.
export function followAnswers(bridge) {
    const link = document.getElementById('lessonLink');
    if (!link)
        return;
    const address = link.dataset.href;
    bridge.onAnswered(({ button, texts }) => {
        if (button !== defaultButton)
            return;
        link.href = address.replace(/\{([^{}]*)\}/g,
            (_, box) => encodeURIComponent(texts.get(box).toWellFormed()));
        link.parentElement.hidden = false;
    });
}
