// An entry box without the focus shows its selection as the desktop's does, scrolled into view:
// the browser draws none there.
export class SelectionMarks {
    #measure;

    constructor(document) {
        this.#measure = document.createElement('canvas').getContext('2d');
    }

    mark(input) {
        const mark = input.ownerDocument.getElementById(`${input.id}-selection`).firstElementChild;
        const style = getComputedStyle(input);
        this.#measure.font = `${style.fontSize} ${style.fontFamily}`;
        const width = text => this.#measure.measureText(text).width;
        const padding = parseFloat(style.paddingLeft);
        const room = input.clientWidth - padding - parseFloat(style.paddingRight);
        const value = input.value;
        const start = width(value.slice(0, input.selectionStart));
        const end = start + width(value.slice(input.selectionStart, input.selectionEnd));
        if (input.ownerDocument.activeElement !== input) {
            if (end - input.scrollLeft > room)
                input.scrollLeft = end - room;
            else if (start < input.scrollLeft)
                input.scrollLeft = start;
        }
        mark.style.left = `${padding + start - input.scrollLeft}px`;
        mark.style.width = `${end - start}px`;
    }
}
