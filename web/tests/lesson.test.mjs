// The lesson page draws the core's model and nothing else: each kind of thing drawn against what
// a second instance of the module says, the first and last steps against the programs' own
// windows, and the keys, the address and its history, the loan's table and file, and the print.
import { holdModule } from './delay.mjs';
import { expect, layouts, openProgram, setValue, shown, test } from './fixtures.mjs';

const sortingPrograms = ['pickmin', 'pairswap', 'tally'];
const fragment = state => '#' + Object.entries(state)
    .map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join('&');
const loanState = ([amount, rate, payment]) => ({ program: 'Bank', amount, rate, payment });

async function openLesson(page, state) {
    await page.goto(`lesson.html${typeof state === 'string' ? state : fragment(state)}`);
    await page.waitForSelector('body[data-ready]');
}

// What the model says for an address: a sort's step, the comparison or the loan with its rows.
const modelOf = (page, hash) => page.evaluate(async hash => {
    const { loadLesson } = await import('./lessonmodule.js');
    const lesson = await loadLesson();
    const link = lesson.readLink(hash);
    lesson.keep(link.program, link.fields);
    if (lesson.openSort()) {
        lesson.jump(link.step);
        return { step: lesson.step() };
    }
    const loan = lesson.openLoan(2000);
    const rows = Array.from({ length: loan.rowCount }, (_, index) => lesson.loanRow(index));
    return { comparison: lesson.compare(), loan, rows };
}, hash);

const slotsDrawn = (page, id) => page.locator(`#${id} > li`).evaluateAll(items => items.map(item => {
    const track = item.querySelector('.track').getBoundingClientRect();
    const bar = item.querySelector('.bar').getBoundingClientRect();
    const base = track.bottom - parseFloat(getComputedStyle(item.parentElement).getPropertyValue('--base')) / 100 * track.height;
    return {
        slot: Number(item.dataset.slot), value: item.dataset.value, bar: Number(item.dataset.bar),
        state: item.dataset.state, used: item.hasAttribute('data-used'), spoken: item.querySelector('.spoken').textContent,
        shown: item.querySelector('.value').textContent,
        // Drawn from the zero baseline: up for a positive number, down for a negative one.
        fromBaseline: Math.abs((Number(item.dataset.bar) < 0 ? bar.top : bar.bottom) - base) < 1.5,
    };
}));

test('a sort\'s step: heading, sentence, counters, variables, marked line and every slot as the model has them', async ({ page }) => {
    const rows = [
        ['negatives at step 0', { program: 'pairswap', input: '3 -7 0 -2 10 1 -1 5 2 4', step: 0 }],
        ['negatives at the end', { program: 'pickmin', input: '3 -7 0 -2 10 1 -1 5 2 4', step: 109 }],
        ['pickmin mid-way, with used cells', { program: 'pickmin', input: '5 3 8 1 9 2 7 4 10 6', step: 40 }],
        ['tally with repeated numbers, half done', { program: 'tally', input: '2 2 5 1 5 5 0 3 3 1', step: 50 }],
    ];
    for (const [name, state] of rows) {
        await openLesson(page, state);
        const { step } = await modelOf(page, fragment(state));
        const drawn = await page.evaluate(() => ({
            heading: document.getElementById('steps').textContent,
            sentence: document.getElementById('narration').textContent,
            counters: document.getElementById('counters').textContent,
            line: [...document.querySelectorAll('#lines li')].findIndex(line => line.getAttribute('aria-current') === 'step') + 1,
            variables: [...document.querySelectorAll('#variables > [data-name]')].map(item => [item.dataset.name, item.dataset.value]),
        }));
        expect(drawn, name).toEqual({ heading: step.heading, sentence: step.sentence, counters: step.countersText,
            line: step.line, variables: step.variables.map(({ id, value }) => [id, value]) });
        for (const [id, slots] of [['array', step.elements], ['result', step.results]]) {
            expect(await slotsDrawn(page, id), `${name}: ${id}`).toEqual(slots.map(slot => ({ ...slot,
                shown: slot.value, fromBaseline: true })));
        }
    }
});

test('the comparison: each section\'s title, result and counters, read out with their values, and the note', async ({ page }) => {
    const state = { program: 'compare', input: '2 2 5 1 0.1 5 0 3 3 1' };
    await openLesson(page, state);
    const { comparison } = await modelOf(page, fragment(state));
    const drawn = await page.locator('#methods section').evaluateAll(all => all.map(section => ({
        texts: [...section.children].map(child => child.textContent), spoken: section.getAttribute('aria-label') })));
    expect(drawn).toEqual(comparison.sections.map(section => ({
        texts: [section.title, section.result, section.countersText], spoken: section.spoken })));
    await expect(page.locator('#compareTitle')).toHaveText(comparison.title);
    await expect(page.locator('#compareNote')).toHaveText(comparison.note);
});

// A sorting window's echo and last line after «Сортировка», or the message it shows instead.
async function runWindow(page, program, input) {
    await openProgram(page, program);
    await setValue(page, 'Text1', input);
    await page.click('#Command1');
    const message = await page.locator('#message').isVisible() ? await page.locator('#messageText').textContent() : '';
    const label1 = shown(await page.locator('#Label1').textContent());
    const label2 = shown(await page.locator('#Label2').textContent());
    return { message, echo: label1.split('\n')[1]?.trim().split(/ +/), label2, result: label2.split('\n').at(-1) };
}
const singleBlanks = text => text.trim().split(/ +/).join(' ');
const values = (page, id) => page.locator(`#${id} > li`).evaluateAll(items => items.map(item => item.dataset.value));

for (const [name, input] of [['repeats, negatives and -0', '3 -1 3 0 -0 2 2 -7 1 1'],
    ['large, tiny and numbers that round as singles', '1e308 0.1 16777217 -2.5 1E-5 7 3.4028235e38 5 6 8']]) {
    test(`${name}: the first and last steps, and the comparison, are the windows' echo and results`, async ({ page }) => {
        test.slow();
        const windows = {};
        for (const program of sortingPrograms) {
            const window = windows[program] = await runWindow(page, program, input);
            await openLesson(page, { program, input });
            await page.keyboard.press('End');
            if (window.message) {
                // Stopped where the window stopped, with its message.
                await expect(page.locator('#narration'), program).toContainText(window.message);
                continue;
            }
            await page.click('#first');
            expect(await values(page, 'array'), program).toEqual(window.echo);
            await page.click('#last');
            const sorted = await values(page, program === 'pairswap' ? 'array' : 'result');
            expect(sorted.join(' '), program).toBe(singleBlanks(window.result));
            if (program === 'pairswap') {
                const swaps = await page.locator('#counters').getAttribute('data-swaps');
                expect(window.label2.match(/Выполнено перестановок: *(\d+)/)[1]).toBe(swaps);
            }
        }
        await openLesson(page, { program: 'compare', input });
        const sections = await page.locator('#methods section').evaluateAll(all => all.map(section => ({ ...section.dataset })));
        expect(sections.map(section => section.program)).toEqual(sortingPrograms);
        for (const section of sections)
            expect(section.result, section.program).toBe(windows[section.program].message || singleBlanks(windows[section.program].result));
    });
}

const step = page => page.locator('#steps').getAttribute('data-step');

test('the keys and the player: never below step 0, PageUp and PageDown, Space after «Вперёд» plays, Play at the end restarts', async ({ page }) => {
    await openLesson(page, { program: 'pickmin', input: '3 1 2' });
    const count = await page.locator('#steps').getAttribute('data-count');
    await page.selectOption('#speed', { index: (await page.locator('#speed option').count()) - 1 });
    await page.locator('#back').focus();
    const keys = [['ArrowLeft', '0'], ['PageDown', '1'], ['ArrowRight', '2'], ['PageUp', '1'], ['End', count],
        ['ArrowRight', count], ['Home', '0'], ['ArrowLeft', '0']];
    for (const [key, expected] of keys) {
        await page.keyboard.press(key);
        await expect(page.locator('#steps'), key).toHaveAttribute('data-step', expected);
    }
    await page.click('#forward');
    await page.keyboard.press(' ');
    await expect(page.locator('#play')).toHaveClass(/playing/);
    await expect.poll(async () => Number(await step(page))).toBeGreaterThan(2);
    await page.keyboard.press(' ');
    await expect(page.locator('#play')).not.toHaveClass(/playing/);
    const paused = await step(page);
    await page.waitForTimeout(600);
    expect(await step(page)).toBe(paused);

    await page.click('#last');
    await page.click('#play');
    await expect(page.locator('#play')).toHaveClass(/playing/);
    expect(Number(await step(page))).toBeLessThan(Number(count));
    await page.click('#play');
    await expect(page.locator('#play')).not.toHaveClass(/playing/);
    await page.click('#show');
    await page.keyboard.press(' ');
    await expect(page.locator('#play')).toHaveClass(/playing/);
});

// First in its page, before the offline worker serves the module.
test('typing before the module has loaded is kept', async ({ page }) => {
});

test('the address: the box shows what the lesson shows, cut at 32767; unknown keys stay', async ({ page }) => {
    await openLesson(page, '#program=pickmin&input=1%0A2%0A3%0A&step=2&lang=ru');
    await expect(page.locator('#input')).toHaveValue('1 2 3');
    expect((await values(page, 'array')).slice(0, 3)).toEqual(['1', '2', '3']);
    await page.click('#forward');
    expect(await page.evaluate(() => location.hash)).toBe('#program=pickmin&input=1%202%203&step=3&lang=ru');

    await openLesson(page, { program: 'tally', input: '1 '.repeat(20000) });
    expect((await page.inputValue('#input')).length).toBe(32767);

});

test('history: a new method, numbers or loan adds an entry, a step replaces it, and Back returns', async ({ page }) => {
    await openLesson(page, { program: 'pickmin', input: '3 1 2' });
    const length = () => page.evaluate(() => history.length);
    const start = await length();
    await page.click('#forward');
    await page.click('#forward');
    expect(await length()).toBe(start);
    await page.fill('#input', '4 5 6');
    await page.press('#input', 'Enter');
    await expect(page.locator('#steps')).toHaveAttribute('data-step', '0');
    await page.selectOption('#program', 'Bank');
    await expect(page.locator('#loanView')).toBeVisible();
    expect(await length()).toBe(start + 2);
    await page.goBack();
    await expect(page.locator('#sortView')).toBeVisible();
    await expect(page.locator('#input')).toHaveValue('4 5 6');
    await page.goBack();
    await expect(page.locator('#input')).toHaveValue('3 1 2');
    await expect(page.locator('#steps')).toHaveAttribute('data-step', '2');
});

// The window's caption, or its message: the number of full years and what is left.
async function runBank(page, texts) {
    await openProgram(page, 'Bank');
    for (const [index, text] of texts.entries())
        await setValue(page, `Text${index + 1}`, text);
    await page.click('#Command2');
    if (await page.locator('#message').isVisible())
        return { message: await page.locator('#messageText').textContent() };
    const caption = shown(await page.locator('#Label4').textContent());
    return { caption, years: Number(caption.match(/(\d+)/)[1]) };
}
const tableDrawn = page => page.locator('#schedule tbody tr:not(.spacer)').evaluateAll(rows => rows.map(row => ({
    year: Number(row.dataset.year), kind: 'partial' in row.dataset ? 'partial' : 'stopped' in row.dataset ? 'stopped' : 'full',
    cells: [...row.cells].map(cell => cell.textContent) })));
const csvOf = async page => {
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#csv')]);
    return Buffer.concat(await (await download.createReadStream()).toArray()).toString('utf8');
};

test('the loan: rows, the partial year\'s number, totals, chart and summary as the model has them; the file of this loan only', async ({ page }) => {
    const start = layouts.Bank.controls.filter(control => control.kind === 'TextBox').map(box => box.caption);
    const window = await runBank(page, start);
    await openLesson(page, loanState(start));
    const { loan, rows } = await modelOf(page, fragment(loanState(start)));
    expect(await tableDrawn(page)).toEqual(rows.map(row => ({ year: row.year, kind: row.kind, cells: [...row.cells, row.note] })));
    // The window's years, then the partial one, numbered in its header cell as the next year.
    expect(rows.filter(row => row.kind === 'full').length).toBe(window.years);
    await expect(page.locator('#schedule tr[data-partial] th')).toHaveText(new RegExp(`^${window.years + 1}\\D`));
    expect(await page.locator('#loanSummary').textContent()).toBe(loan.summary);
    await expect(page.locator('#totals')).toHaveAttribute('data-paid', loan.totals.paid);
    await expect(page.locator('#totals')).toHaveAttribute('data-interest', loan.totals.interest);
    await expect(page.locator('#yearSentence')).toHaveText(rows[0].sentence);
    expect(await page.locator('#chart text.year').allTextContents()).toEqual(loan.chart.years.ticks.map(tick => tick.label));
    expect(await page.locator('#chart text.amount').allTextContents()).toEqual(loan.chart.amounts.ticks.map(tick => tick.label));
    await expect(page.locator('#chart')).toHaveAttribute('aria-label', loan.chart.description);

    const csv = await csvOf(page);
    expect(csv.slice(1).split('\r\n').filter(Boolean).length).toBe(rows.length + 1);
    await page.fill('#payment', '900000');
    await page.press('#payment', 'Enter');
    await expect(page.locator('#schedule tbody tr').first()).toHaveAttribute('data-year', '1');
    expect(await csvOf(page)).not.toBe(csv);
});

test('the loan: the stop row labelled in text, and no file for a refused loan', async ({ page }) => {
    const stopping = ['1000', '50', '10'];
    const window = await runBank(page, stopping);
    await openLesson(page, loanState(stopping));
    const { rows } = await modelOf(page, fragment(loanState(stopping)));
    const stop = rows.at(-1);
    expect(stop.kind).toBe('stopped');
    await expect(page.locator('#schedule tr[data-stopped] th')).toHaveText(stop.cells[0]);
    expect(stop.cells[0]).toContain(stop.label);
    await expect(page.locator('#csvOffer')).toBeVisible();
    await expect(page.locator('#loanSummary')).toContainText(window.message);

    await page.fill('#amount', '-1');
    await page.press('#amount', 'Enter');
    await expect(page.locator('#csvOffer')).toBeHidden();
    await expect(page.locator('#csv')).not.toHaveAttribute('href', /./);
});

test('the loan: a 32767-year table by its rows in view, ready at once', async ({ page }) => {
    await openLesson(page, loanState(['32768', '0', '1']));
    await expect(page.locator('#schedule')).toHaveAttribute('data-rows', '32768');
    expect(await page.locator('#schedule tbody tr').count()).toBeLessThan(200);
    await page.fill('#goYear', '32767');
    await page.press('#goYear', 'Enter');
    await expect(page.locator('#schedule tr[data-year="32767"]')).toBeVisible();
    await expect(page.locator('#yearSentence')).toContainText('32767');
});

test('printed: the whole loan table with its headers and the chart, a sort\'s step with its arrays, no controls', async ({ page }) => {
    await openLesson(page, loanState(['1000', '0', '1']));
    const rowCount = Number(await page.locator('#schedule').getAttribute('data-rows'));
    expect(rowCount).toBeGreaterThan(400);
    await page.emulateMedia({ media: 'print' });
    await expect(page.locator('#schedule tbody tr[data-year]')).toHaveCount(rowCount);
    const style = (selector, property) => page.locator(selector).evaluate((element, property) =>
        getComputedStyle(element)[property], property);
    expect(await style('#scroller', 'overflowY')).toBe('visible');
    expect(await style('#schedule thead', 'display')).toBe('table-header-group');
    for (const hidden of ['#inputs', 'nav', '.goYear', '#csvOffer'])
        await expect(page.locator(hidden), hidden).toBeHidden();
    await expect(page.locator('#chart polyline')).toBeVisible();

    await openLesson(page, { program: 'tally', input: '3 1 2', step: 4 });
    for (const shownPart of ['#array', '#result', '#narration', '#steps'])
        await expect(page.locator(shownPart), shownPart).toBeVisible();
    await expect(page.locator('.player')).toBeHidden();
});

test.describe('on a phone', () => {
    test.use({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });

    for (const state of [{ program: 'pickmin', input: '-123456789.125 2 3 4 5 6 7 8 9 10', step: 5 },
        { program: 'compare', input: '1 1 2' }, loanState(['5000000', '12', '800000'])]) {
        test(`${state.program}: fits 360 pixels`, async ({ page }) => {
            await openLesson(page, state);
            expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
            if (state.program === 'Bank') {
                const sizes = await page.locator('#chart text').evaluateAll(texts =>
                    texts.map(text => text.getBoundingClientRect().height));
                expect(Math.min(...sizes)).toBeGreaterThanOrEqual(12);
            }
        });
    }
});
