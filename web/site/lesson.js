// The lesson page's controller: between the views and the module, which decides everything shown.
// The address is the core's link to what is shown: a new program, numbers or loan adds a history
// entry, a step replaces it, and Back or a link's new fragment shows its state again.
import './register.js';
import { showComparison } from './lessoncompare.js';
import { LoanView } from './lessonloan.js';
import { loadLesson } from './lessonmodule.js';
import { QuizMode } from './lessonquiz.js';
import { SortView } from './lessonsort.js';

const $ = id => document.getElementById(id);
// In the order the module keeps them: the numbers, then the loan's boxes.
const fields = [...document.querySelectorAll('[data-field]')];
const kindOf = program => [...$('program').options].find(option => option.value === program)?.dataset.kind;
// The loan's chart thinned to about a point per pixel of the widest screen.
const ChartPoints = 2000;

function showInputs() {
    const loan = kindOf($('program').value) === 'loan';
    $('sortInputs').hidden = loan;
    $('loanInputs').hidden = !loan;
}

// What is typed or chosen before the module has loaded is kept, over what the address says, and
// a press of the run button meanwhile is answered once it has.
const typed = new Set(fields.filter(box => box.value !== box.defaultValue));
// No option is marked selected in the page: the first one stands until a user chooses.
const chosen = () => $('program').selectedIndex > 0;
let pressed = false;
let answer = null;
for (const box of fields)
    box.addEventListener('input', () => typed.add(box));
$('program').addEventListener('change', () => {
    showInputs();
    answer ? answer() : pressed = true;
});
$('modeSwitch').addEventListener('change', () => {
    answer ? answer() : pressed = true;
});
$('inputs').addEventListener('submit', event => {
    event.preventDefault();
    answer ? answer() : pressed = true;
});
showInputs();

let lesson;
try {
    lesson = await loadLesson();
} catch (error) {
    $('status').hidden = false;
    throw error;
}
$('inputs').classList.remove('loading');

const sortView = new SortView();
const loanView = new LoanView();
const quizMode = new QuizMode(lesson, { sortView, loanView, chartPoints: ChartPoints });
let interval = lesson.setSpeed(sortView.speed());
let timer = 0;
let written = '';

function writeAddress(push) {
    written = lesson.writeLink();
    if (written !== location.hash)
        history[push ? 'pushState' : 'replaceState'](null, '', written);
}

// The step the player stands on, and the timer while it plays; a step replaces the address.
function showStep(write = true) {
    sortView.setStep(lesson.step());
    if (write)
        writeAddress(false);
    if (lesson.playing() && !timer) {
        timer = setTimeout(tick, interval);
    } else if (!lesson.playing() && timer) {
        clearTimeout(timer);
        timer = 0;
    }
}
function tick() {
    timer = 0;
    lesson.tick();
    showStep();
}

// `link`: { program, fields, step }, as the module reads an address; `mode` as the quiz mode's
// run takes it (QuizMode.open), which draws the views itself when the link is in the mode.
function show(link, push, mode = 0) {
    $('program').value = link.program;
    showInputs();
    for (const [index, box] of fields.entries())
        box.value = link.fields[index];
    lesson.keep(link.program, link.fields);
    const run = quizMode.open(mode);
    if (run) {
        clearTimeout(timer);
        timer = 0;
        written = run;
        if (written !== location.hash)
            history[push ? 'pushState' : 'replaceState'](null, '', written);
        return;
    }
    const kind = kindOf(link.program);
    $('sortView').hidden = kind !== 'sort';
    $('compare').hidden = kind !== 'compare';
    $('loanView').hidden = kind !== 'loan';
    const sort = lesson.openSort();
    if (sort) {
        sortView.setSort(sort);
        lesson.jump(link.step);
        showStep(false);
    } else {
        clearTimeout(timer);
        timer = 0;
    }
    if (kind === 'compare')
        showComparison(lesson.compare());
    if (kind === 'loan')
        loanView.setLoan(lesson.openLoan(ChartPoints), lesson);
    writeAddress(push);
}

const fromInputs = () => show({ program: $('program').value, fields: fields.map(box => box.value), step: 0 }, true,
    quizMode.switchedOn() ? 1 : 2);
answer = fromInputs;

quizMode.onNewTask = fragment => show(lesson.readLink(fragment), true);
sortView.bindMove(id => {
    if (quizMode.active)
        return quizMode.step(() => lesson.move(id));
    lesson.move(id);
    showStep();
});
sortView.bindKey(key => {
    if (quizMode.active) {
        let took = false;
        quizMode.step(() => took = lesson.press(key) >= 0);
        return took;
    }
    if (lesson.press(key) < 0)
        return false;
    showStep();
    return true;
});
sortView.bindJump(step => {
    if (quizMode.active)
        return quizMode.step(() => lesson.jump(step));
    lesson.jump(step);
    showStep();
});
sortView.bindSpeed(index => {
    interval = lesson.setSpeed(index);
});
loanView.bindYear(year => loanView.setYear(year));
addEventListener('hashchange', () => {
    if (location.hash !== written)
        show(lesson.readLink(location.hash), false);
});

const link = lesson.readLink(location.hash);
if (chosen())
    link.program = $('program').value;
for (const box of typed)
    link.fields[fields.indexOf(box)] = box.value;
show(link, false);
if (pressed)
    fromInputs();
document.body.dataset.ready = '';
