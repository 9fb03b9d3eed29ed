// The lesson's module: traces of the programs' own forms. Texts cross as views of UTF-16 code
// units (JSON for traces), so an echoed text arrives code unit for code unit.
import createTraces from './traces.js';

function decode(view) {
    let text = '';
    for (let i = 0; i < view.length; i += 8192)
        text += String.fromCharCode.apply(null, view.subarray(i, i + 8192));
    return text;
}

export async function loadLesson() {
    const lesson = await createTraces();
    const send = texts => texts.forEach((value, index) => {
        const buffer = lesson.inputBuffer(value.length);
        for (let i = 0; i < value.length; ++i)
            buffer[i] = value.charCodeAt(i);
        lesson.keep(index);
    });
    return {
        sort(program, input) {
            send([input]);
            return JSON.parse(decode(lesson.sort(program)));
        },
        compare(input) {
            send([input]);
            return JSON.parse(decode(lesson.compare()));
        },
        // The summary; the rows and the figures stay in the module until asked for.
        loan(amount, rate, payment) {
            send([amount, rate, payment]);
            return JSON.parse(decode(lesson.loan()));
        },
        loanRow: index => JSON.parse(decode(lesson.loanRow(index))),
        loanOwed: () => Float64Array.from(lesson.loanOwed()),
        loanCsv: () => new Blob([Uint8Array.from(lesson.loanCsv())], { type: 'text/csv;charset=utf-8' }),
    };
}
