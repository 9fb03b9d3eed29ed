// The loan year by year: a table that holds in the page only the rows in view (a loan may run
// for 32767 years), a chart of what is owed, and the table as a CSV file.
const $ = id => document.getElementById(id);
const svg = 'http://www.w3.org/2000/svg';
const Overscan = 8;
// Up to this many rows the table holds them all, which screen readers navigate best.
const AllRows = 400;

function cell(tag, text) {
    const element = document.createElement(tag);
    element.textContent = text;
    return element;
}

function spacer() {
    const row = document.createElement('tr');
    row.className = 'spacer';
    row.setAttribute('aria-hidden', 'true');
    row.append(document.createElement('td'));
    row.firstChild.colSpan = 5;
    return row;
}

function svgElement(name, attributes, text) {
    const element = document.createElementNS(svg, name);
    for (const [key, value] of Object.entries(attributes))
        element.setAttribute(key, value);
    if (text !== undefined)
        element.textContent = text;
    return element;
}

// What is owed by year, as a line: at most one point per unit of the chart's width.
function drawChart(owed, first, last) {
    const chart = $('chart');
    const [width, height, left, bottom] = [600, 200, 8, 22];
    const years = owed.length - 1;
    const high = Math.max(...owed.subarray(0, 1), 1);
    const stride = Math.max(1, Math.ceil(owed.length / (width - left)));
    const points = [];
    const indices = [];
    for (let i = 0; i < owed.length; i += stride)
        indices.push(i);
    if (indices.at(-1) !== years)
        indices.push(years);
    for (const i of indices) {
        const x = left + (width - 2 * left) * (years ? i / years : 0);
        const y = 8 + (height - bottom - 8) * (1 - Math.max(0, owed[i]) / high);
        points.push(`${x.toFixed(1)},${y.toFixed(1)}`);
    }
    chart.replaceChildren(
        svgElement('line', { x1: left, y1: height - bottom, x2: width - left, y2: height - bottom, class: 'axis' }),
        svgElement('polyline', { points: points.join(' '), class: 'owed' }),
        svgElement('text', { x: left, y: 18, class: 'label' }, first),
        svgElement('text', { x: left, y: height - 4, class: 'label' }, '0'),
        svgElement('text', { x: width - left, y: height - 4, class: 'label end' }, `${years}`));
    chart.setAttribute('aria-label', `Долг по годам: ${first} руб. в начале, ${last} руб. после ${years}-го года.`);
}

export class LoanView {
    constructor() {
        this.scroller = $('scroller');
        this.body = $('schedule').tBodies[0];
        this.scroller.addEventListener('scroll', () => {
            if (!this.frame)
                this.frame = requestAnimationFrame(() => {
                    this.frame = 0;
                    this.render();
                });
        }, { passive: true });
        $('goYear').addEventListener('change', () => this.scrollToYear($('goYear').valueAsNumber));
        $('csv').addEventListener('click', () => this.makeCsv());
    }

    // `source`: the summary from the module and its rows, figures and CSV on demand.
    show(summary, source) {
        this.summary = summary;
        this.source = source;
        this.rowHeight = 0;
        this.shown = null;
        const rows = summary.years + (summary.partial || summary.stoppedInYear ? 1 : 0);
        this.rows = rows;
        const table = $('schedule');
        table.dataset.years = summary.years;
        table.setAttribute('aria-rowcount', rows + 1);
        $('goYear').max = Math.max(1, rows);
        const text = (summary.message || summary.caption).replace(/\r\n|\r|\n/g, '\n');
        $('loanSummary').textContent = text;
        this.scroller.scrollTop = 0;
        this.render();
        $('chartFigure').hidden = !summary.years;
        if (summary.years)
            drawChart(source.loanOwed(), source.loanRow(0)[1], source.loanRow(summary.years - 1)[4]);
        if (this.csvUrl)
            URL.revokeObjectURL(this.csvUrl);
        this.csvUrl = '';
        $('csv').removeAttribute('href');
        // After the table is in view, not before.
        setTimeout(() => this.makeCsv(), 0);
    }

    makeCsv() {
        if (this.csvUrl || !this.source)
            return;
        this.csvUrl = URL.createObjectURL(this.source.loanCsv());
        $('csv').href = this.csvUrl;
    }

    row(index) {
        const summary = this.summary;
        const row = document.createElement('tr');
        row.setAttribute('aria-rowindex', index + 2);
        let cells;
        if (index < summary.years) {
            cells = this.source.loanRow(index);
            row.dataset.year = cells[0];
        } else if (summary.stoppedInYear) {
            cells = summary.stop;
            row.dataset.stopped = '';
        } else {
            row.dataset.partial = '';
            const last = summary.caption.split(/\r\n|\r|\n/).pop();
            row.append(cell('th', `${summary.years + 1} (неполный)`), cell('td', last));
            row.firstChild.scope = 'row';
            row.lastChild.colSpan = 4;
            return row;
        }
        row.append(cell('th', cells[0]), ...cells.slice(1).map(text => cell('td', text)));
        row.firstChild.scope = 'row';
        return row;
    }

    // The rows in view and a few around them; spacers stand for the others.
    render() {
        if (!this.summary)
            return;
        const head = $('schedule').tHead.offsetHeight;
        if (!this.rowHeight) {
            this.body.replaceChildren(...(this.rows ? [this.row(0)] : []));
            this.rowHeight = this.body.firstChild?.offsetHeight || 24;
        }
        const top = Math.max(0, this.scroller.scrollTop - head);
        const all = this.rows <= AllRows;
        const first = all ? 0 : Math.max(0, Math.floor(top / this.rowHeight) - Overscan);
        const last = all ? this.rows
            : Math.min(this.rows, Math.ceil((top + this.scroller.clientHeight) / this.rowHeight) + Overscan);
        if (this.shown && this.shown[0] === first && this.shown[1] === last)
            return;
        this.shown = [first, last];
        const before = spacer();
        const after = spacer();
        before.firstChild.style.height = `${first * this.rowHeight}px`;
        after.firstChild.style.height = `${(this.rows - last) * this.rowHeight}px`;
        const rows = [];
        for (let index = first; index < last; ++index)
            rows.push(this.row(index));
        this.body.replaceChildren(...(first ? [before] : []), ...rows, ...(last < this.rows ? [after] : []));
    }

    scrollToYear(year) {
        if (!Number.isInteger(year) || !this.rows)
            return;
        const index = Math.min(Math.max(year, 1), this.rows) - 1;
        this.scroller.scrollTop = index * this.rowHeight;
        this.render();
        this.body.querySelector(`[aria-rowindex="${index + 2}"]`)?.scrollIntoView({ block: 'nearest' });
    }
}
