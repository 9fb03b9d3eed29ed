// One method's sort, one step at a time: the arrays as bars, the sentence, the counters and the
// method's lines. Each step is drawn from the trace's own record of it, never from the one
// before, so going back shows exactly what going forward showed.
const $ = id => document.getElementById(id);

// A bar's height: the numbers of the input from the lowest to the highest, the lowest still seen.
function scale(values) {
    const numbers = values.map(value => Number(value.replace(',', '.'))).filter(Number.isFinite);
    const low = Math.min(0, ...numbers);
    const high = Math.max(0, ...numbers);
    return value => {
        const number = Number(value.replace(',', '.'));
        if (!Number.isFinite(number))
            return 1;
        return high === low ? 0.1 : 0.08 + 0.92 * (number - low) / (high - low);
    };
}

function slotList(list) {
    list.replaceChildren();
    for (let slot = 1; slot <= 10; ++slot) {
        const item = document.createElement('li');
        item.dataset.slot = slot;
        const value = document.createElement('span');
        value.className = 'value';
        const track = document.createElement('span');
        track.className = 'track';
        track.append(document.createElement('span'));
        track.firstChild.className = 'bar';
        const index = document.createElement('span');
        index.className = 'slot';
        index.textContent = slot;
        item.append(value, track, index);
        list.append(item);
    }
}

function fillSlots(list, values, current, height) {
    for (const item of list.children) {
        const slot = Number(item.dataset.slot);
        const value = values[slot - 1] ?? '';
        // Only what changed: a step moves one or two numbers.
        if (item.dataset.value !== value) {
            item.dataset.value = value;
            item.children[0].textContent = value;
            item.children[1].firstChild.style.height = `${(value === '' ? 0 : height(value)) * 100}%`;
        }
        const marked = current.includes(slot);
        item.classList.toggle('current', marked);
        if (marked)
            item.dataset.current = '';
        else
            delete item.dataset.current;
    }
}

export class SortView {
    constructor() {
        slotList($('array'));
        slotList($('result'));
        this.speed = $('speed');
    }

    bindStep(handler) {
        $('first').addEventListener('click', () => handler(step => 0));
        $('back').addEventListener('click', () => handler(step => step - 1));
        $('forward').addEventListener('click', () => handler(step => step + 1));
        $('last').addEventListener('click', () => handler((step, count) => count));
        $('jump').addEventListener('change', () => {
            const target = $('jump').valueAsNumber;
            if (Number.isInteger(target))
                handler(() => target);
        });
        // Keys work anywhere on the view but in the boxes that take them themselves.
        document.addEventListener('keydown', event => {
            if ($('sortView').hidden || event.altKey || event.ctrlKey || event.metaKey ||
                event.target.closest('input, select, textarea'))
                return;
            const moves = { ArrowLeft: step => step - 1, ArrowRight: step => step + 1,
                Home: () => 0, End: (step, count) => count };
            if (moves[event.key]) {
                event.preventDefault();
                handler(moves[event.key]);
            } else if (event.key === ' ' && !event.target.closest('button, a, summary')) {
                event.preventDefault();
                $('play').click();
            }
        });
    }
    bindPlay(handler) {
        $('play').addEventListener('click', () => handler());
    }
    // Milliseconds per step.
    interval() {
        return Number(this.speed.value);
    }

    setTrace(trace) {
        this.trace = trace;
        for (const item of document.querySelectorAll('.slots > li'))
            delete item.dataset.value;
        const all = [...trace.elements, ...trace.steps.flatMap(step => step.elements)];
        this.height = scale(all);
        const inPlace = trace.results.length === 0 && trace.steps.every(step => step.results.length === 0);
        $('resultFigure').hidden = inPlace;
        this.inPlace = inPlace;
        const lines = $('lines');
        lines.replaceChildren(...trace.lines.map(text => {
            const item = document.createElement('li');
            item.textContent = text;
            return item;
        }));
        $('steps').dataset.count = trace.steps.length;
        $('jump').max = trace.steps.length;
        $('counters').toggleAttribute('data-swaps', trace.program === 'pairswap');
        $('swapCount').parentElement.hidden = trace.program !== 'pairswap';
    }

    setStep(step) {
        const trace = this.trace;
        const record = step > 0 ? trace.steps[step - 1] : null;
        const elements = record ? record.elements : trace.elements;
        const results = this.inPlace ? elements : record ? record.results : trace.results;
        fillSlots($('array'), elements, record ? record.slots : [], this.height);
        const written = record && record.resultSlot ? [record.resultSlot] : [];
        fillSlots($('result'), results, this.inPlace ? record?.slots ?? [] : written, this.height);

        const counters = $('counters');
        counters.dataset.comparisons = record ? record.comparisons : 0;
        $('comparisonCount').textContent = counters.dataset.comparisons;
        if (trace.program === 'pairswap') {
            counters.dataset.swaps = record ? record.swaps : 0;
            $('swapCount').textContent = counters.dataset.swaps;
        }
        for (const [index, item] of [...$('lines').children].entries()) {
            if (record && record.line === index + 1)
                item.setAttribute('aria-current', 'step');
            else
                item.removeAttribute('aria-current');
        }
        const steps = $('steps');
        steps.dataset.step = step;
        steps.textContent = `Шаг ${step} из ${trace.steps.length}`;
        $('jump').value = step;
        // The window's message where the sort stopped with one: before the first step and at the last.
        const stopped = step === trace.steps.length && trace.error ? ` ${trace.error}` : '';
        $('narration').textContent = record ? record.sentence + stopped : trace.error ||
            `Массив, как его прочла программа: ${trace.elements.join(' ')}. Шагов: ${trace.steps.length}.`;
        // Not disabled, which would take the focus away from the button just pressed.
        for (const id of ['first', 'back'])
            $(id).setAttribute('aria-disabled', String(step === 0));
        for (const id of ['forward', 'last'])
            $(id).setAttribute('aria-disabled', String(step === trace.steps.length));
    }

    setPlaying(playing) {
        const play = $('play');
        play.classList.toggle('playing', playing);
        play.textContent = playing ? 'Пауза' : 'Пуск';
    }
}
