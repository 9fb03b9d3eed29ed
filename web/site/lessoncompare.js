// The three methods on the same ten numbers: each with the last line its window would show and
// its counters, and why they differ when they do.
const $ = id => document.getElementById(id);

const lastComparisons = trace => trace.steps.at(-1)?.comparisons ?? 0;

export function showComparison(comparison, names) {
    const sections = comparison.methods.map(trace => {
        const section = document.createElement('section');
        section.dataset.program = trace.program;
        section.dataset.result = trace.result;
        section.dataset.comparisons = lastComparisons(trace);
        const title = document.createElement('h3');
        title.textContent = names[trace.program];
        const result = document.createElement('p');
        result.className = 'resultline';
        result.textContent = trace.error || trace.result;
        const counts = document.createElement('p');
        counts.textContent = `Сравнений: ${lastComparisons(trace)}`;
        if (trace.program === 'pairswap') {
            section.dataset.swaps = trace.steps.at(-1)?.swaps ?? 0;
            counts.textContent += `, перестановок: ${section.dataset.swaps}`;
        }
        section.append(title, result, counts);
        return section;
    });
    $('methods').replaceChildren(...sections);
    $('compareNote').textContent = comparison.note || 'Все три метода дали один и тот же результат.';
}
