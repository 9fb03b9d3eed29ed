// One method's sort, one step at a time, as the module's step says: the heading and sentence,
// the counters and variables, the marked line, and each slot's value, bar and state. A bar stands
// on the zero baseline (negatives below it), on a scale fixed for the whole sort.
const $ = id => document.getElementById(id);

function slotItem() {
    const item = document.createElement('li');
    const part = (className, parent = item) => {
        const element = document.createElement('span');
        element.className = className;
        parent.append(element);
        return element;
    };
    // The slot is read out as a whole by its spoken text; what is drawn is for the eyes.
    part('value').setAttribute('aria-hidden', 'true');
    part('bar', part('track')).setAttribute('aria-hidden', 'true');
    part('slot').setAttribute('aria-hidden', 'true');
    part('spoken');
    return item;
}

function fillSlots(list, slots, scale) {
    while (list.children.length > slots.length)
        list.lastChild.remove();
    while (list.children.length < slots.length)
        list.append(slotItem());
    for (const [index, slot] of slots.entries()) {
        const item = list.children[index];
        // Only what changed: a step moves one or two numbers.
        if (item.dataset.value === slot.value && item.dataset.bar === String(slot.bar) &&
            item.dataset.state === slot.state && item.lastChild.textContent === slot.spoken)
            continue;
        item.dataset.slot = slot.slot;
        item.dataset.value = slot.value;
        item.dataset.bar = slot.bar;
        item.dataset.state = slot.state;
        item.toggleAttribute('data-used', slot.used);
        const [value, track, number, spoken] = item.children;
        value.textContent = slot.value;
        number.textContent = slot.slot;
        spoken.textContent = slot.spoken;
        const bar = track.firstChild.style;
        const height = Math.abs(slot.bar) / scale.range;
        bar.height = `${height * 100}%`;
        bar.bottom = `${(slot.bar < 0 ? scale.base - height : scale.base) * 100}%`;
    }
}

function fillNamed(list, values) {
    list.replaceChildren(...values.map(({ id, caption, value }) => {
        const item = document.createElement('li');
        item.dataset.name = id;
        item.dataset.value = value;
        item.textContent = `${caption}: ${value}`;
        return item;
    }));
}

export class SortView {
    // `handler(id)`: the player's button of that id pressed.
    bindMove(handler) {
        for (const button of document.querySelectorAll('.player button'))
            button.addEventListener('click', () => handler(button.id));
    }
    bindJump(handler) {
        $('jump').addEventListener('change', () => {
            if (Number.isInteger($('jump').valueAsNumber))
                handler($('jump').valueAsNumber);
        });
    }
    // `handler(index)` of the speed chosen.
    bindSpeed(handler) {
        $('speed').addEventListener('change', () => handler(Number($('speed').value)));
    }
    // `handler(key)` returns whether the lesson took the key. Keys work anywhere on the page but
    // in the boxes that take them themselves; Space on a button plays too, so that Space after
    // the forward button or the run button plays rather than pressing it again.
    bindKey(handler) {
        document.addEventListener('keydown', event => {
            if ($('sortView').hidden || event.altKey || event.ctrlKey || event.metaKey || event.isComposing ||
                event.target.closest('input, select, textarea') || (event.key === ' ' && event.target.closest('a')))
                return;
            if (handler(event.key))
                event.preventDefault();
        });
    }
    speed() {
        return Number($('speed').value);
    }

    // What stays over the sort's steps (the module's openSort).
    setSort(sort) {
        const range = sort.high - sort.low || 1;
        this.scale = { range, base: -sort.low / range };
        for (const id of ['array', 'result']) {
            $(id).replaceChildren();
            $(id).style.setProperty('--base', `${this.scale.base * 100}%`);
        }
        $('resultFigure').hidden = !sort.hasResults;
        $('inPlaceNote').hidden = !sort.inPlaceNote;
        $('inPlaceNote').textContent = sort.inPlaceNote;
        $('lines').replaceChildren(...sort.lines.map(text => {
            const item = document.createElement('li');
            item.textContent = text;
            return item;
        }));
        $('steps').dataset.count = sort.stepCount;
        $('jump').max = sort.stepCount;
    }

    // The module's step.
    setStep(step) {
        fillSlots($('array'), step.elements, this.scale);
        fillSlots($('result'), step.results, this.scale);
        const steps = $('steps');
        steps.dataset.step = step.step;
        steps.textContent = step.heading;
        $('narration').textContent = step.sentence;
        const counters = $('counters');
        counters.textContent = step.countersText;
        for (const { id, value } of step.counters)
            counters.dataset[id] = value;
        fillNamed($('variables'), step.variables);
        for (const [index, item] of [...$('lines').children].entries()) {
            if (step.line === index + 1)
                item.setAttribute('aria-current', 'step');
            else
                item.removeAttribute('aria-current');
        }
        $('jump').value = step.step;
        // Not disabled, which would take the focus away from the button just pressed.
        for (const id of ['first', 'back'])
            $(id).setAttribute('aria-disabled', String(step.atFirst));
        for (const id of ['forward', 'last'])
            $(id).setAttribute('aria-disabled', String(step.atLast));
        this.setPlaying(step.playing);
    }

    setPlaying(playing) {
        const play = $('play');
        if (play.classList.contains('playing') === playing)
            return;
        play.classList.toggle('playing', playing);
        [play.textContent, play.dataset.pause] = [play.dataset.pause, play.textContent];
    }
}
