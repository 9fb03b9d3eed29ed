// An entry box without the focus shows its selection as the desktop's does, scrolled into view:
// the browser draws none there. The box's text is laid out again in a hidden copy with the box's
// font, width and direction, so that the marks cover the selected characters in right-to-left
// and mixed text too: one mark for each run the selection makes there.
const copiedStyle = ['fontFamily', 'fontSize', 'fontStyle', 'fontWeight', 'fontStretch', 'fontKerning',
    'fontFeatureSettings', 'fontVariant', 'letterSpacing', 'wordSpacing', 'textAlign', 'textTransform'];

export class SelectionMarks {
    #copy;
    #range;

    constructor(document) {
        // Clipped to nothing, so that a long text never widens the page.
        const holder = document.createElement('div');
        holder.setAttribute('aria-hidden', 'true');
        holder.style.cssText = 'position: absolute; left: 0; top: 0; width: 0; height: 0; ' +
            'overflow: hidden; visibility: hidden';
        const copy = document.createElement('div');
        copy.style.cssText = 'white-space: pre; box-sizing: content-box; padding: 0; border: 0; margin: 0';
        copy.append(document.createTextNode(''));
        holder.append(copy);
        document.body.append(holder);
        this.#copy = copy;
        this.#range = document.createRange();
    }

    mark(input) {
        const marks = input.ownerDocument.getElementById(`${input.id}-selection`);
        const style = getComputedStyle(input);
        const padding = parseFloat(style.paddingLeft);
        const copy = this.#copy;
        for (const property of copiedStyle)
            copy.style[property] = style[property];
        copy.style.width = `${input.clientWidth - padding - parseFloat(style.paddingRight)}px`;
        copy.dir = input.matches(':dir(rtl)') ? 'rtl' : 'ltr';
        copy.firstChild.data = input.value;

        // The selected runs from the left of the box's text area as if it were not scrolled.
        const origin = copy.getBoundingClientRect().left;
        this.#range.setStart(copy.firstChild, input.selectionStart);
        this.#range.setEnd(copy.firstChild, input.selectionEnd);
        const runs = Array.from(this.#range.getClientRects(), rect =>
            ({ left: rect.left - origin, right: rect.right - origin })).filter(run => run.right > run.left);
        if (runs.length && input.ownerDocument.activeElement !== input) {
            // Right to left, the box scrolls to negative offsets; the browser clips to what it can.
            const room = copy.clientWidth;
            const left = Math.min(...runs.map(run => run.left));
            const right = Math.max(...runs.map(run => run.right));
            if (right - input.scrollLeft > room)
                input.scrollLeft = right - room;
            else if (left < input.scrollLeft)
                input.scrollLeft = left;
        }

        while (marks.children.length < Math.max(runs.length, 1))
            marks.append(input.ownerDocument.createElement('div'));
        while (marks.children.length > Math.max(runs.length, 1))
            marks.lastElementChild.remove();
        const shift = padding - input.scrollLeft;
        Array.from(marks.children).forEach((mark, i) => {
            const run = runs[i] ?? { left: 0, right: 0 };
            mark.style.left = `${shift + run.left}px`;
            mark.style.width = `${run.right - run.left}px`;
        });
    }
}
