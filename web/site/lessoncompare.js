// The three methods on the same numbers, as the module's comparison says: each section's title,
// result line and counters, read out with their values, and the note on why results differ.
const $ = id => document.getElementById(id);

export function showComparison(comparison) {
    $('compareTitle').textContent = comparison.title;
    $('methods').replaceChildren(...comparison.sections.map(section => {
        const element = document.createElement('section');
        element.dataset.program = section.program;
        element.dataset.result = section.result;
        for (const { id, value } of section.counters)
            element.dataset[id] = value;
        element.setAttribute('aria-label', section.spoken);
        const title = document.createElement('h3');
        title.textContent = section.title;
        const result = document.createElement('p');
        result.className = 'resultline';
        result.textContent = section.result;
        const counters = document.createElement('p');
        counters.textContent = section.countersText;
        element.append(title, result, counters);
        return element;
    }));
    $('compareNote').textContent = comparison.note;
}
