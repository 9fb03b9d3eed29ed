// A caption that does not fit shows whole in a tooltip, and on a tap.
import { overflows } from './captionfit.js';

export function addCaptionTips(form, tip) {
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
        const view = form.ownerDocument.defaultView;
        tip.textContent = label.textContent;
        tip.style.left = `${where.left + view.scrollX}px`;
        tip.style.top = `${where.bottom + view.scrollY + 2}px`;
        tip.hidden = false;
        event.stopPropagation();
    });
    form.ownerDocument.addEventListener('click', () => { tip.hidden = true; });
}
