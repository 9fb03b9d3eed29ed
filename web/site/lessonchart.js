// The loan's chart as the module's LoanChart says: its axes with their ranges and ticks, and the
// line of what is owed. Drawn at the figure's own width in CSS pixels, so that its text keeps its
// size on a phone; the tick labels stand outside the plot, never over the line.
const svg = 'http://www.w3.org/2000/svg';
const Font = 12;
const Height = 240;

function element(name, attributes, text) {
    const node = document.createElementNS(svg, name);
    for (const [key, value] of Object.entries(attributes))
        node.setAttribute(key, value);
    if (text !== undefined)
        node.textContent = text;
    return node;
}

// A label's width in pixels, near enough for the margins: DejaVu Sans's digits are 0.64 em.
const labelWidth = text => text.length * Font * 0.64;

export function drawChart(target, chart, width) {
    const { years, amounts } = chart;
    const left = Math.ceil(Math.max(...amounts.ticks.map(tick => labelWidth(tick.label)), 0)) + 10;
    const [top, right, bottom] = [Font * 2, Font * 1.5, Font * 3];
    const plotWidth = Math.max(1, width - left - right);
    const plotHeight = Height - top - bottom;
    const x = year => left + plotWidth * (year - years.low) / (years.high - years.low);
    const y = owed => top + plotHeight * (1 - (owed - amounts.low) / (amounts.high - amounts.low));
    const parts = [element('title', {}, chart.description)];
    for (const tick of amounts.ticks) {
        const at = y(tick.at).toFixed(1);
        parts.push(element('line', { x1: left, x2: left + plotWidth, y1: at, y2: at, class: 'grid' }),
            element('text', { x: left - 6, y: at, class: 'amount' }, tick.label));
    }
    for (const tick of years.ticks) {
        const at = x(tick.at).toFixed(1);
        parts.push(element('line', { x1: at, x2: at, y1: top + plotHeight, y2: top + plotHeight + 5, class: 'axis' }),
            element('text', { x: at, y: top + plotHeight + 6 + Font, class: 'year' }, tick.label));
    }
    parts.push(
        element('line', { x1: left, x2: left, y1: top, y2: top + plotHeight, class: 'axis' }),
        element('line', { x1: left, x2: left + plotWidth, y1: top + plotHeight, y2: top + plotHeight, class: 'axis' }),
        element('text', { x: 0, y: Font, class: 'title' }, amounts.title),
        element('text', { x: width - 2, y: Height - 2, class: 'title end' }, years.title));
    const points = chart.points.filter(([, owed]) => owed !== null)
        .map(([year, owed]) => `${x(year).toFixed(1)},${y(owed).toFixed(1)}`);
    if (points.length)
        parts.push(element('polyline', { points: points.join(' '), class: 'owed' }));
    target.setAttribute('viewBox', `0 0 ${width} ${Height}`);
    target.setAttribute('width', width);
    target.setAttribute('height', Height);
    target.setAttribute('aria-label', chart.description);
    target.replaceChildren(...parts);
}
