// «Проверь себя» on the lesson page: the core's run of the mode decides the question, the grading,
// the step that may be shown and the end; this draws it over the lesson's own views, takes the
// answers by button and by key, and hands a finished round to a course platform when there is one.
import { connectScorm } from './scorm.js';

const $ = id => document.getElementById(id);
const isDigitKey = key => /^[0-9]$/.test(key) || key === '-' || key === ',' || key === '.';

export class QuizMode {
    // `lesson`: the lesson's module calls, with the run's as `lesson.quiz`; `views`: the sort's and
    // the loan's; `chartPoints`: as the watching mode thins the loan's chart.
    constructor(lesson, { sortView, loanView, chartPoints }) {
        this.lesson = lesson;
        this.quiz = lesson.quiz;
        this.sortView = sortView;
        this.loanView = loanView;
        this.chartPoints = chartPoints;
        this.active = false;
        this.scorm = undefined;

        $('answers').addEventListener('click', event => {
            const button = event.target.closest('button[data-answer]');
            if (button)
                this.answer(button.dataset.answer);
        });
        $('submit').addEventListener('click', () => this.answer($('answer').value));
        $('answer').addEventListener('keydown', event => {
            if (event.key === 'Enter') {
                event.preventDefault();
                this.answer($('answer').value);
            }
        });
        $('next').addEventListener('click', () => this.next());
        $('again').addEventListener('click', () => {
            this.quiz.restart();
            this.draw();
            this.focusQuestion();
        });
        $('newTask').addEventListener('click', () => this.onNewTask?.(this.quiz.newTask()));
        $('studentName').addEventListener('input', () => this.showCode());
        $('copyCode').addEventListener('click', () => navigator.clipboard?.writeText($('checkcode').value).catch(() => {}));
        document.addEventListener('keydown', event => this.key(event));
    }

    // The mode switch's choice: whether the inputs' run is in the mode.
    switchedOn() {
        return document.querySelector('input[name="mode"][value="predict"]').checked;
    }

    // The run the lesson's kept link asks for (`mode` as quizCalls.open takes it), drawn; false
    // when the link is not in the mode, which is then hidden. Returns the run's link to write.
    open(mode) {
        const run = this.quiz.open(this.lesson.writeLink(), mode);
        this.active = Boolean(run);
        $('quiz').hidden = !run;
        document.querySelector(`input[name="mode"][value="${run ? 'predict' : 'watch'}"]`).checked = true;
        $('play').hidden = Boolean(run);
        if (!run)
            return null;
        this.run = run;
        this.scorm ??= connectScorm(ms => this.quiz.scorm('', ms).time);
        this.lesson.keep(run.program, run.fields);
        for (const [index, box] of document.querySelectorAll('[data-field]').entries())
            box.value = run.fields[index];
        $('sortView').hidden = run.loan;
        $('loanView').hidden = !run.loan;
        $('compare').hidden = true;
        if (run.loan) {
            this.loan = this.lesson.openLoan(this.chartPoints);
        } else {
            this.sortView.setSort(this.lesson.openSort());
        }
        $('quizMessage').hidden = !run.message;
        $('quizMessage').textContent = run.message ? `${$('quizMessage').dataset.before} ${run.message}` : '';
        this.draw();
        return run.link;
    }

    // A player's move or key in the mode: the lesson's player moves, the run keeps it in range.
    step(move) {
        move();
        this.lesson.pause();
        this.showStep(this.quiz.setStep(this.lesson.step().step));
    }

    showStep(step) {
        const state = this.state;
        if (this.run.loan) {
            const finished = state.phase === 'finished';
            // What the table does not show yet would give the answers away.
            this.loanView.setLoan({
                ...this.loan,
                rowCount: state.step,
                hasTotals: finished && this.loan.hasTotals,
                summary: finished ? this.loan.summary : '',
                chart: finished ? this.loan.chart : { ...this.loan.chart, points: [] },
            }, this.lesson);
            $('csvOffer').hidden = !finished || !this.loan.hasTable;
            return;
        }
        this.lesson.jump(step);
        this.sortView.setStep({ ...this.lesson.step(), atFirst: step <= state.first, atLast: step >= state.last });
    }

    draw() {
        const state = this.state = this.quiz.state();
        this.showStep(state.step);
        const question = state.question;
        $('question').hidden = !question;
        $('end').hidden = Boolean(question);
        if (question) {
            const hook = $('question');
            for (const name of Object.keys(hook.dataset))
                delete hook.dataset[name];
            hook.dataset.kind = question.kind;
            for (const [name, value] of question.data)
                hook.setAttribute(`data-${name}`, value);
            if (question.result)
                hook.dataset.result = question.result;
            $('questionHeading').textContent = question.heading;
            $('questionText').textContent = question.text;
            const asking = state.phase === 'asking';
            $('answers').replaceChildren(...question.choices.map(choice => {
                const button = document.createElement('button');
                button.type = 'button';
                button.dataset.answer = choice.answer;
                button.textContent = choice.caption;
                button.disabled = !asking;
                return button;
            }));
            $('answerBox').hidden = !question.box || !asking;
            if (!asking || !question.box)
                $('answer').value = '';
            $('keysHint').textContent = asking ? question.keys : '';
            $('verdict').textContent = question.verdict;
            $('next').hidden = asking;
            $('next').textContent = question.next;
        } else {
            const end = state.end;
            const score = $('score');
            score.textContent = end.score;
            score.dataset.right = end.right;
            score.dataset.asked = end.asked;
            $('noMistakes').hidden = end.mistakes.length > 0;
            $('mistakes').hidden = end.mistakes.length === 0;
            $('mistakes').tBodies[0].replaceChildren(...end.mistakes.map(mistake => {
                const row = document.createElement('tr');
                for (const text of [mistake.stepText, mistake.question, mistake.answer, mistake.key]) {
                    const cell = document.createElement('td');
                    cell.textContent = text;
                    row.append(cell);
                }
                const link = document.createElement('a');
                link.href = mistake.link;
                link.textContent = mistake.stepText;
                row.append(document.createElement('td'));
                row.lastChild.append(link);
                return row;
            }));
            this.showCode();
        }
    }

    showCode() {
        if (!this.active || this.state.phase !== 'finished')
            return;
        const code = this.quiz.checkCode($('studentName').value);
        $('checkcode').value = code;
        $('copyCode').hidden = !code;
        const hint = $('codeHint');
        hint.dataset.hint ??= hint.textContent;
        hint.textContent = code ? hint.dataset.hint : hint.dataset.none;
    }

    announce(text) {
        $('announce').textContent = text;
    }

    focusQuestion() {
        const question = this.state.question;
        if (!question)
            return;
        this.announce(`${question.heading}. ${question.text}`);
        (question.box ? $('answer') : $('answers').querySelector('button'))?.focus();
    }

    answer(text) {
        if (!this.active || this.state.phase !== 'asking')
            return;
        this.quiz.answer(text);
        this.draw();
        this.announce(this.state.question.verdict);
        if (this.state.phase === 'answered')
            $('next').focus();
    }

    next() {
        if (!this.quiz.next())
            return;
        this.draw();
        if (this.state.phase === 'finished') {
            this.announce(`${$('endHeading').textContent}. ${this.state.end.score}`);
            $('endHeading').focus();
            this.report();
        } else {
            this.focusQuestion();
        }
    }

    // A finished round to the course platform the page was opened from, once.
    report() {
        this.scorm?.finish(this.quiz.scorm(this.scorm.mastery, 0));
    }

    // Y/N or 1/2 for yes and no, digits into the answer box, Enter to go on: anywhere on the page
    // but in the boxes that take keys themselves.
    key(event) {
        if (!this.active || event.altKey || event.ctrlKey || event.metaKey || event.isComposing ||
            event.target.closest('select, textarea, input, a') || !this.state.question)
            return;
        const question = this.state.question;
        if (this.state.phase === 'asking' && question.form === 'yesno') {
            const answer = this.quiz.yesNo(event.key);
            if (answer) {
                event.preventDefault();
                this.answer(answer);
            }
        } else if (this.state.phase === 'asking' && question.box && isDigitKey(event.key)) {
            // The key goes on into the box now focused.
            $('answer').focus();
        } else if (this.state.phase === 'answered' && event.key === 'Enter' && !event.target.closest('button')) {
            event.preventDefault();
            this.next();
        }
    }
}
