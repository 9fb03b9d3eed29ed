// The lesson's module: traces of the programs' own forms, as JSON.
import { PageModule } from './pagemodule.js';

export async function loadLesson() {
    const module = await PageModule.load('traces.wasm');
    const calls = module.exports;
    const send = texts => texts.forEach((value, index) => {
        module.write(value);
        calls.keep(index);
    });
    const json = at => JSON.parse(module.text(at));
    return {
        sort(program, input) {
            send([input]);
            module.write(program);
            const trace = calls.sort();
            if (!trace)
                throw new Error(`no such method: ${program}`);
            return json(trace);
        },
        compare(input) {
            send([input]);
            return json(calls.compare());
        },
        // The summary; the rows and the figures stay in the module until asked for.
        loan(amount, rate, payment) {
            send([amount, rate, payment]);
            return json(calls.loan());
        },
        loanRow: index => json(calls.loanRow(index)),
        loanOwed: () => module.numbers(calls.loanOwed()),
        loanCsv: () => new Blob([module.bytes(calls.loanCsv())], { type: 'text/csv;charset=utf-8' }),
    };
}
