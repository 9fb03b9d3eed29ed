// A caption that does not fit is drawn up to its last whole line that fits, ending with «…», and
// never with part of a word or a number. The label keeps the whole caption, for screen readers
// and the tooltip, drawn transparent under the shortened one.

export const overflows = label =>
    label.scrollHeight > label.clientHeight || label.scrollWidth > label.clientWidth;

export class CaptionFitter {
    #probe;
    #range;

    constructor(form) {
        const probe = form.ownerDocument.createElement('div');
        probe.className = 'label probe';
        probe.setAttribute('aria-hidden', 'true');
        form.append(probe);
        this.#probe = probe;
        this.#range = form.ownerDocument.createRange();
    }

    fit(label) {
        label.classList.remove('clipped');
        if (!overflows(label) || !label.firstChild) {
            delete label.dataset.short;
            return;
        }
        // The words that lie wholly inside the label, read off the layout the browser already made.
        const range = this.#range;
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
        const probe = this.#probe;
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
}
