// The calls of «Проверь себя» in the lesson's module: the core's run of the mode and the
// teacher's table, read back as JSON or as plain text.
import { PageModule } from './pagemodule.js';

export function quizCalls(module) {
    const calls = module.exports;
    const json = module.json.bind(module);
    const withText = module.withText.bind(module);
    return {
        // The run an address asks for; `mode` 0 as it says, 1 the mode on typed boxes, 2 off.
        // Null when not in the mode, else { program, loan, fields, message, link }.
        open: (address, mode) => {
            const at = withText(address, () => calls.openQuiz(mode));
            return at ? json(at) : null;
        },
        // { phase, step, stepCount, first, last, question, end }
        state: () => json(calls.quizState()),
        // Whether it was an attempt; an unreadable answer leaves what to type in the question.
        answer: text => Boolean(withText(text, calls.quizAnswer)),
        // 'yes', 'no' or '' for a key of a yes/no question.
        yesNo: key => key.length === 1 ? module.text(calls.quizYesNo(key.charCodeAt(0))) : '',
        // The right answer to the current question, for tests.
        key: () => module.text(calls.quizKey()),
        next: () => Boolean(calls.quizNext()),
        restart: () => calls.quizRestart(),
        // The step shown, the one asked for clamped to what the run allows.
        setStep: step => calls.quizSetStep(step),
        // The fragment of «Новые числа».
        newTask: () => {
            const [high, low] = crypto.getRandomValues(new Uint32Array(2));
            return module.text(calls.quizNewTask(high, low));
        },
        checkCode: name => module.text(withText(name, calls.quizCheckCode)),
        // { raw, min, max, status, time, interactions }
        scorm: (mastery, milliseconds) => json(withText(mastery, () => calls.quizScorm(milliseconds))),
        // [{ valid, right, asked, cells }]
        checkCodes: pasted => json(withText(pasted, calls.checkCodes)),
    };
}

export async function loadQuizCalls() {
    return quizCalls(await PageModule.load('traces.wasm'));
}
