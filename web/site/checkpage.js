// The teacher's page: check codes pasted one a line, and the core's table of them.
import './register.js';
import { loadQuizCalls } from './quizmodule.js';

const $ = id => document.getElementById(id);
let pressed = false;
let verify = () => {
    pressed = true;
};
$('checkForm').addEventListener('submit', event => {
    event.preventDefault();
    verify();
});

const quiz = await loadQuizCalls();
verify = () => {
    const rows = quiz.checkCodes($('codes').value);
    $('results').tBodies[0].replaceChildren(...rows.map(row => {
        const line = document.createElement('tr');
        line.dataset.valid = row.valid;
        line.dataset.score = row.valid ? `${row.right}/${row.asked}` : '';
        line.append(...row.cells.map(text => {
            const cell = document.createElement('td');
            cell.textContent = text;
            return cell;
        }));
        return line;
    }));
    $('noCodes').hidden = rows.length > 0;
    $('results').hidden = rows.length === 0;
};
if (pressed)
    verify();
document.body.dataset.ready = '';
