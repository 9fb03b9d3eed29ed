// The lesson page: takes its state from the URL fragment and the inputs, asks the module for the
// program's trace and hands it to the view of the sort, the comparison or the loan. Stepping
// rewrites the fragment in place, so the address is always a link to what is shown.
import './register.js';
import { showComparison } from './lessoncompare.js';
import { LoanView } from './lessonloan.js';
import { loadLesson } from './lessonmodule.js';
import { SortView } from './lessonsort.js';
import { formatFragment, loanKeys, parseFragment, sortPrograms } from './lessonstate.js';

const $ = id => document.getElementById(id);
const boxes = ['input', ...loanKeys];
const defaults = Object.fromEntries([['program', $('program').value],
    ...boxes.map(id => [id, $(id).defaultValue])]);
const names = Object.fromEntries([...$('program').options].map(option => [option.value, option.textContent]));

let lesson;
try {
    lesson = await loadLesson();
} catch (error) {
    $('status').textContent = 'Модуль программ не загрузился: обновите страницу.';
    $('status').hidden = false;
    throw error;
}
$('inputs').classList.remove('loading');

const sortView = new SortView();
const loanView = new LoanView();
let state = null;
let trace = null;
let timer = 0;

function writeFragment() {
    history.replaceState(null, '', formatFragment(state));
}

function showInputs(program) {
    $('program').value = program;
    $('sortInputs').hidden = program === 'Bank';
    $('loanInputs').hidden = program !== 'Bank';
}

function stop() {
    clearTimeout(timer);
    timer = 0;
    sortView.setPlaying(false);
}

function moveTo(move) {
    const count = trace.steps.length;
    state.step = Math.min(Math.max(move(state.step, count), 0), count);
    sortView.setStep(state.step);
    writeFragment();
}

// A fresh trace only when the program or its input changed; a step is drawn from it alone.
function apply(next) {
    stop();
    const same = state && trace && next.program === state.program && next.input === state.input;
    state = next;
    for (const id of boxes)
        $(id).value = state[id];
    showInputs(state.program);
    const sorting = sortPrograms.includes(state.program);
    $('sortView').hidden = !sorting;
    $('compare').hidden = state.program !== 'compare';
    $('loanView').hidden = state.program !== 'Bank';
    if (sorting) {
        if (!same) {
            trace = lesson.sort(state.program, state.input);
            sortView.setTrace(trace);
        }
        moveTo(step => step);
        return;
    }
    trace = null;
    if (state.program === 'compare')
        showComparison(lesson.compare(state.input), names);
    else
        loanView.show(lesson.loan(...loanKeys.map(key => state[key])), lesson);
    writeFragment();
}

sortView.bindStep(moveTo);
sortView.bindPlay(() => {
    if (timer) {
        stop();
        return;
    }
    if (state.step === trace.steps.length)
        moveTo(() => 0);
    sortView.setPlaying(true);
    const tick = () => {
        moveTo(step => step + 1);
        timer = state.step < trace.steps.length ? setTimeout(tick, sortView.interval()) : 0;
        if (!timer)
            sortView.setPlaying(false);
    };
    timer = setTimeout(tick, sortView.interval());
});

const fromInputs = () => apply({ ...Object.fromEntries(boxes.map(id => [id, $(id).value])),
    program: $('program').value, step: 0 });
$('inputs').addEventListener('submit', event => {
    event.preventDefault();
    fromInputs();
});
$('program').addEventListener('change', fromInputs);
window.addEventListener('hashchange', () => apply(parseFragment(location.hash, defaults)));

apply(parseFragment(location.hash, defaults));
document.body.dataset.ready = '';
