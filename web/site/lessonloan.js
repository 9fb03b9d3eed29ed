// The loan as the module's LoanLesson says: the window's result, the totals, the chart and a table
// that holds in the page only the rows in view (a loan may run for 32767 years), all of them when
// printed; the sentence of the year asked for, and the table as a CSV file for a computed loan.
import { drawChart } from './lessonchart.js';

const $ = id => document.getElementById(id);
const Overscan = 8;
// Up to this many rows the table holds them all, which screen readers navigate best.
const AllRows = 400;

function cell(tag, text) {
    const element = document.createElement(tag);
    element.textContent = text;
    return element;
}

function spacer(columns) {
    const row = document.createElement('tr');
    row.className = 'spacer';
    row.setAttribute('aria-hidden', 'true');
    row.append(document.createElement('td'));
    row.firstChild.colSpan = columns;
    return row;
}

export class LoanView {
    constructor() {
        this.scroller = $('scroller');
        this.body = $('schedule').tBodies[0];
        this.columns = $('schedule').tHead.rows[0].cells.length;
        this.scroller.addEventListener('scroll', () => {
            if (!this.frame)
                this.frame = requestAnimationFrame(() => {
                    this.frame = 0;
                    this.render();
                });
        }, { passive: true });
        // Printed, the table is whole.
        const print = matchMedia('print');
        const printing = on => {
            this.printing = on;
            this.shown = null;
            this.render();
        };
        print.addEventListener('change', event => printing(event.matches));
        addEventListener('beforeprint', () => printing(true));
        addEventListener('afterprint', () => printing(print.matches));
        new ResizeObserver(() => this.drawChart()).observe($('chartFigure'));
        $('csv').addEventListener('click', () => this.makeCsv());
    }

    // `handler(year)`: a year asked for in the year box.
    bindYear(handler) {
        $('goYear').addEventListener('change', () => {
            if (Number.isInteger($('goYear').valueAsNumber))
                handler($('goYear').valueAsNumber);
        });
    }

    // `loan`: the module's openLoan; `source` gives its rows and CSV on demand.
    setLoan(loan, source) {
        this.loan = loan;
        this.source = source;
        this.rowHeight = 0;
        this.shown = null;
        const table = $('schedule');
        table.dataset.rows = loan.rowCount;
        table.setAttribute('aria-rowcount', loan.rowCount + 1);
        $('goYear').max = Math.max(1, loan.rowCount);
        $('goYear').value = 1;
        $('loanSummary').textContent = loan.summary;
        const totals = $('totals');
        totals.hidden = !loan.hasTotals;
        totals.textContent = loan.totals.sentence;
        totals.dataset.paid = loan.totals.paid;
        totals.dataset.interest = loan.totals.interest;
        $('scroller').hidden = !loan.hasTable;
        $('chartTitle').textContent = loan.chart.title;
        $('chartFigure').hidden = !loan.chart.points.length;
        this.chartWidth = 0;
        this.drawChart();
        this.scroller.scrollTop = 0;
        this.render();
        this.setYear(1);
        // The file of this loan, never of the one before; made once the table is in view.
        if (this.csvUrl)
            URL.revokeObjectURL(this.csvUrl);
        this.csvUrl = '';
        $('csv').removeAttribute('href');
        $('csvOffer').hidden = !loan.hasTable;
        if (loan.hasTable)
            setTimeout(() => this.makeCsv(), 0);
    }

    drawChart() {
        const width = Math.floor($('chartFigure').clientWidth);
        if (!this.loan || !width || width === this.chartWidth)
            return;
        this.chartWidth = width;
        drawChart($('chart'), this.loan.chart, width);
    }

    makeCsv() {
        if (this.csvUrl || !this.loan?.hasTable)
            return;
        this.csvUrl = URL.createObjectURL(this.source.loanCsv());
        $('csv').href = this.csvUrl;
    }

    row(index) {
        const data = this.source.loanRow(index);
        const row = document.createElement('tr');
        row.setAttribute('aria-rowindex', index + 2);
        row.dataset.year = data.year;
        if (data.kind !== 'full')
            row.dataset[data.kind] = '';
        row.append(cell('th', data.cells[0]), ...data.cells.slice(1).map(text => cell('td', text)), cell('td', data.note));
        row.firstChild.scope = 'row';
        return row;
    }

    // The rows in view and a few around them; spacers stand for the others.
    render() {
        if (!this.loan)
            return;
        const rows = this.loan.rowCount;
        const head = $('schedule').tHead.offsetHeight;
        if (!this.rowHeight) {
            this.body.replaceChildren(...(rows ? [this.row(0)] : []));
            this.rowHeight = this.body.firstChild?.offsetHeight || 24;
        }
        const top = Math.max(0, this.scroller.scrollTop - head);
        const all = rows <= AllRows || this.printing;
        const first = all ? 0 : Math.max(0, Math.floor(top / this.rowHeight) - Overscan);
        const last = all ? rows
            : Math.min(rows, Math.ceil((top + this.scroller.clientHeight) / this.rowHeight) + Overscan);
        if (this.shown && this.shown[0] === first && this.shown[1] === last)
            return;
        this.shown = [first, last];
        const before = spacer(this.columns);
        const after = spacer(this.columns);
        before.firstChild.style.height = `${first * this.rowHeight}px`;
        after.firstChild.style.height = `${(rows - last) * this.rowHeight}px`;
        const shown = [];
        for (let index = first; index < last; ++index)
            shown.push(this.row(index));
        this.body.replaceChildren(...(first ? [before] : []), ...shown, ...(last < rows ? [after] : []));
    }

    // The year's row scrolled into view and its sentence shown.
    setYear(year) {
        const rows = this.loan.rowCount;
        $('yearSentence').textContent = '';
        if (!rows)
            return;
        const index = Math.min(Math.max(year, 1), rows) - 1;
        $('yearSentence').textContent = this.source.loanRow(index).sentence;
        if (year === 1 && !this.scroller.scrollTop)
            return;
        this.scroller.scrollTop = index * this.rowHeight;
        this.render();
        this.body.querySelector(`[aria-rowindex="${index + 2}"]`)?.scrollIntoView({ block: 'nearest' });
    }
}
