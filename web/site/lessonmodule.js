// The lesson's module: the core's view model, asked for what the page shows. The module keeps the
// boxes' texts, the sort with its player and the loan; the page sends keys and moves, and reads
// back the step, the comparison or the loan's rows as JSON.
import { PageModule } from './pagemodule.js';
import { quizCalls } from './quizmodule.js';

export async function loadLesson() {
    const module = await PageModule.load('traces.wasm');
    const calls = module.exports;
    const json = module.json.bind(module);
    const withText = module.withText.bind(module);
    return {
        // The boxes' texts, in the page's order of its [data-field] boxes, and the program.
        keep(program, fields) {
            fields.forEach((text, index) => withText(text, () => calls.keep(index)));
            withText(program, calls.keepProgram);
        },
        // { program, fields, step } of an address or fragment; what it lacks is the defaults'.
        readLink: address => json(withText(address, calls.readLink)),
        // The fragment of the kept state, '#' first.
        writeLink: () => json(calls.writeLink()),
        // Null for a program that is no sort.
        openSort: () => {
            const at = calls.openSort();
            return at ? json(at) : null;
        },
        step: () => json(calls.shownStep()),
        // -1 when the key is none of the lesson's, else whether the step changed.
        press: key => withText(key, calls.press),
        move: id => Boolean(withText(id, calls.move)),
        jump: step => Boolean(calls.jump(step)),
        tick: () => Boolean(calls.tick()),
        playing: () => Boolean(calls.playing()),
        pause: () => calls.pause(),
        // Milliseconds a step at that speed.
        setSpeed: index => calls.setSpeed(index),
        compare: () => json(calls.compare()),
        openLoan: chartPoints => json(calls.openLoan(chartPoints)),
        loanRow: index => json(calls.loanRow(index)),
        // «Проверь себя»: the core's run of the mode (quizmodule.js).
        quiz: quizCalls(module),
        loanCsv: () => new Blob([module.bytes(calls.loanCsv())], { type: 'text/csv;charset=utf-8' }),
    };
}
