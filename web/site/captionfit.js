// A caption that does not fit shows the lines that fit whole, the last of them shortened by
// dropping its trailing words until it and «…» fit the width, so that no line, word or number
// shows in part: the desktop's rule, over the lines the browser laid out. The label keeps the
// whole caption, for screen readers and the tooltip, drawn transparent under the shortened one.

export const overflows = label =>
    label.scrollHeight > label.clientHeight || label.scrollWidth > label.clientWidth;

const Ellipsis = '…';

export class CaptionFitter {
    #measure;
    #advances = new Map();
    #range;

    constructor(document) {
        this.#measure = document.createElement('canvas').getContext('2d');
        this.#range = document.createRange();
    }

    fit(label) {
        label.classList.remove('clipped');
        if (!overflows(label) || !label.firstChild) {
            delete label.dataset.short;
            return;
        }
        const area = contentArea(label);
        const lines = this.#laidOut(label, area);
        let fitting = 0;
        while (fitting < lines.length && lines[fitting].fits)
            ++fitting;
        // At least one line shows where there is room for one, if only «…» for an overlong word.
        const shown = lines.slice(0, Math.max(fitting, lines[0]?.height <= area.height + 0.5 ? 1 : 0))
            .map(line => line.text);
        if (shown.length)
            shown.push(this.#shortened(shown.pop(), label));
        label.dataset.short = shown.join('\n');
        label.classList.add('clipped');
    }

    // The caption's lines as the browser broke them, each with whether it lies wholly inside the
    // label; an empty line goes with the line after it.
    #laidOut(label, area) {
        const node = label.firstChild;
        const text = node.data;
        const range = this.#range;
        const lines = [];
        let wordEnd = 0;
        for (const word of text.matchAll(/[^ \n]+/g)) {
            range.setStart(node, word.index);
            range.setEnd(node, word.index + word[0].length);
            const rects = range.getClientRects();
            if (!rects.length)
                continue;
            const first = rects[0];
            const last = rects[rects.length - 1];
            const gap = text.slice(wordEnd, word.index);
            const breaks = gap.split('\n').length - 1;
            let line = lines[lines.length - 1];
            if (!line || breaks || first.top > line.top + 0.5) {
                const empty = line ? Math.max(breaks - 1, 0) : breaks;
                const start = breaks ? wordEnd + gap.lastIndexOf('\n') + 1 : line ? word.index : 0;
                for (let i = 0; i < empty; ++i)
                    lines.push({ text: '', top: first.top, height: first.height, fits: true, empty: true });
                line = { text: '', start, top: first.top, height: first.bottom - area.top, fits: true };
                lines.push(line);
            }
            wordEnd = word.index + word[0].length;
            line.text = text.slice(line.start, wordEnd);
            line.fits &&= rects.length === 1 && last.right <= area.right + 0.5 &&
                last.bottom <= area.top + area.height + 0.5;
            for (let i = lines.length - 2; i >= 0 && lines[i].empty; --i)
                lines[i].fits = line.fits;
        }
        return lines;
    }

    #shortened(line, label) {
        const style = getComputedStyle(label);
        const width = label.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        for (;;) {
            line = line.replace(/ +$/, '');
            if (!line || this.#width(line + Ellipsis, style) <= width)
                return line + Ellipsis;
            const blank = line.lastIndexOf(' ');
            line = blank < 0 ? '' : line.slice(0, blank);
        }
    }

    // As the desktop measures a line: each character's advance in whole pixels, at the window's
    // own size. The browser places characters at fractions of a pixel, which makes a line of
    // numbers and blanks up to a pixel wider and would drop one more number than the desktop.
    #width(text, style) {
        const font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        this.#measure.font = font;
        if (!this.#advances.has(font))
            this.#advances.set(font, new Map());
        const advances = this.#advances.get(font);
        let width = 0;
        for (const character of text) {
            if (!advances.has(character))
                advances.set(character, Math.round(this.#measure.measureText(character).width));
            width += advances.get(character);
        }
        return width;
    }
}

// The label's content box in the page's pixels, the window's scale included.
function contentArea(label) {
    const style = getComputedStyle(label);
    const box = label.getBoundingClientRect();
    const scale = label.offsetWidth ? box.width / label.offsetWidth : 1;
    const left = parseFloat(style.paddingLeft);
    const top = parseFloat(style.paddingTop);
    const width = (label.clientWidth - left - parseFloat(style.paddingRight)) * scale;
    return {
        top: box.top + (label.clientTop + top) * scale,
        right: box.left + (label.clientLeft + left) * scale + width,
        height: (label.clientHeight - top - parseFloat(style.paddingBottom)) * scale,
    };
}
