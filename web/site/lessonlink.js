// Under a program's window, once its default button has been pressed (a click or Enter in a box):
// a link to the lesson with the entry boxes' texts of that moment.
import { formatFragment, loanKeys } from './lessonstate.js';

const program = document.body.dataset.program;
const defaultButton = document.body.dataset.defaultButton;
const boxes = () => [...document.querySelectorAll('#form input')].map(box => box.value);

function show() {
    const texts = boxes();
    // The loan's boxes in the window's tab order, as the lesson page names them.
    const state = program === 'Bank'
        ? { program, ...Object.fromEntries(loanKeys.map((key, index) => [key, texts[index]])) }
        : { program, input: texts[0], step: 0 };
    let link = document.getElementById('lessonLink');
    if (!link) {
        const line = document.createElement('p');
        line.className = 'lessonlink';
        link = document.createElement('a');
        link.id = 'lessonLink';
        link.textContent = 'Разбор этого запуска';
        line.append(link);
        document.getElementById('window').after(line);
    }
    link.href = `lesson.html${formatFragment(state)}`;
}

document.addEventListener('click', event => {
    if (event.target.closest?.(`#form #${defaultButton}`))
        show();
});
document.addEventListener('keydown', event => {
    if (event.key === 'Enter' && event.target.matches?.('#form input') && !event.isComposing &&
        !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey)
        show();
});
