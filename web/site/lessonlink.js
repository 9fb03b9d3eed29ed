// Under a program's window, once its default button has been pressed (a click or Enter in a box,
// before the page had loaded too): a link to the lesson with the entry boxes' texts that press read.
import { formatFragment, loanKeys } from './lessonstate.js';

const program = document.body.dataset.program;
const defaultButton = document.body.dataset.defaultButton;

function show(texts) {
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

// `bridge`: the window's FormBridge, which announces each answered press.
export function followAnswers(bridge) {
    bridge.onAnswered(({ button, texts }) => {
        if (button === defaultButton)
            show([...document.querySelectorAll('#form input')].map(box => texts.get(box.id)));
    });
}
