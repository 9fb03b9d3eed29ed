// The lesson page against the programs' own windows: what it shows at the first and the last
// step, the comparison's result lines and the loan's years must be what the windows show for the
// same input; stepping must be exact both ways, and the address must bring back the same step.
import AxeBuilder from '@axe-core/playwright';
import { expect, layouts, openProgram, setValue, shown, test } from './fixtures.mjs';

// The sorting programs as the lesson's address names them.
const sortingPrograms = ['pickmin', 'pairswap', 'tally'];

// The address of a state, as the page's contract with teachers' links writes it.
const formatFragment = state => '#' + Object.entries(state)
    .map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join('&');

async function openLesson(page, state) {
    await page.goto(`lesson.html${formatFragment(state)}`);
    await page.waitForSelector('body[data-ready]');
}

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

// Everything a step draws, for comparing two ways of reaching it.
const snapshot = page => page.evaluate(() => {
    const slots = id => [...document.getElementById(id).children].map(item =>
        [item.dataset.slot, item.dataset.value, 'current' in item.dataset]);
    const lines = [...document.querySelectorAll('#lines li')];
    return {
        step: document.getElementById('steps').dataset.step,
        array: slots('array'),
        result: slots('result'),
        narration: document.getElementById('narration').textContent,
        counters: { ...document.getElementById('counters').dataset },
        line: lines.findIndex(line => line.getAttribute('aria-current') === 'step'),
        hash: location.hash,
    };
});
const values = (page, id) => page.locator(`#${id} > li`).evaluateAll(items => items.map(item => item.dataset.value));
const stepData = async page => page.locator('#steps').evaluate(steps => ({ ...steps.dataset }));

// What the programs' code counts, whatever the numbers.
const comparisons = {
    pickmin: count => count === 109,
    tally: count => count === 100,
    pairswap: count => count > 0 && count % 9 === 0,
};

const inputs = [
    ['distinct', '5 3 8 1 9 2 7 4 10 6'],
    ['repeats, negatives and -0', '3 -1 3 0 -0 2 2 -7 1 1'],
    ['short: completed as the window completes it', '4 2'],
    ['large, tiny and numbers that round as singles', '1e308 0.1 16777217 -2.5 1E-5 7 3.4028235e38 5 6 8'],
];

for (const [name, input] of inputs) {
    test(`${name}: the first and last steps, and the comparison, are the windows' echo and results`, async ({ page }) => {
        test.slow();
        const windows = {};
        for (const program of sortingPrograms) {
            const window = windows[program] = await runWindow(page, program, input);
            await openLesson(page, { program, input });
            await expect(page.locator('#array > li')).toHaveCount(10);
            expect(await page.locator('#array > li').evaluateAll(items => items.map(item => item.dataset.slot)))
                .toEqual(['1', '2', '3', '4', '5', '6', '7', '8', '9', '10']);
            if (window.message) {
                // Stopped where the window stopped, with its message: the numbers echoed so far
                // stand in their slots.
                const echoed = window.echo.filter(Boolean);
                expect((await values(page, 'array')).slice(0, echoed.length), program).toEqual(echoed);
                await expect(page.locator('#narration')).toHaveText(window.message);
                continue;
            }
            expect(await values(page, 'array'), program).toEqual(window.echo);
            await page.click('#last');
            const steps = await stepData(page);
            expect(Number(steps.count), program).toBeGreaterThan(0);
            expect(steps.step).toBe(steps.count);
            const sorted = await values(page, 'result');
            expect(sorted.join(' '), program).toBe(window.result.trim().split(/ +/).join(' '));
            if (program === 'pairswap')
                expect(sorted).toEqual(await values(page, 'array'));
            const counters = await page.locator('#counters').evaluate(element => ({ ...element.dataset }));
            expect(comparisons[program](Number(counters.comparisons)), `${program}: ${counters.comparisons}`).toBe(true);
            if (program === 'pairswap')
                expect(window.label2.match(/Выполнено перестановок: *(\d+)/)[1]).toBe(counters.swaps);
        }
        await openLesson(page, { program: 'compare', input });
        const sections = await page.locator('#compare section').evaluateAll(all => all.map(section => ({ ...section.dataset })));
        expect(sections.map(section => section.program)).toEqual(sortingPrograms);
        for (const section of sections) {
            expect(section.result, section.program).toBe(windows[section.program].result);
            if (!windows[section.program].message)
                expect(comparisons[section.program](Number(section.comparisons)), section.program).toBe(true);
        }
        await expect(page.locator('#compareNote')).not.toBeEmpty();
    });
}

test('a window\'s message in the entry phase is the lesson\'s sentence', async ({ page }) => {
    const input = '1E+39';
    const window = await runWindow(page, 'pairswap', input);
    expect(window.message).toBeTruthy();
    await openLesson(page, { program: 'pairswap', input });
    await expect(page.locator('#narration')).toHaveText(window.message);
    await expect(page.locator('#steps')).toHaveAttribute('data-count', '0');
});

test('back after forward, and a jump to k, are k steps forward; the address brings the step back', async ({ page }) => {
    for (const program of sortingPrograms) {
        const input = '9 -3 3 0 7 7 1.5 -8 2 5';
        await openLesson(page, { program, input });
        const count = Number((await stepData(page)).count);
        const k = Math.min(count - 1, 13);
        for (let i = 0; i < k; ++i)
            await page.click('#forward');
        const walked = await snapshot(page);
        expect(walked.step).toBe(String(k));
        expect(walked.hash).toBe(formatFragment({ program, input, step: k }));
        await page.click('#forward');
        await page.click('#back');
        expect(await snapshot(page), `${program}: back after forward`).toEqual(walked);
        await page.click('#first');
        await page.fill('#jump', String(k));
        await page.press('#jump', 'Enter');
        expect(await snapshot(page), `${program}: jump`).toEqual(walked);
        // A fresh page at that address, and the same page told of a new one.
        await page.goto('index.html');
        await page.goto(`lesson.html${walked.hash}`);
        await page.waitForSelector('body[data-ready]');
        expect(await snapshot(page), `${program}: link`).toEqual(walked);
        await page.evaluate(hash => { location.hash = hash; }, formatFragment({ program, input, step: 1 }));
        await expect(page.locator('#steps')).toHaveAttribute('data-step', '1');
    }
});

test('the fragment reads what it writes; what it cannot use falls back', async ({ page }) => {
    const defaults = { program: 'pickmin', input: 'x', amount: 'a', rate: 'r', payment: 'p' };
    const rows = [
        ['a sort with blanks, signs and a percent', { program: 'tally', input: ' 1,5 -2 +3 50% & =', step: 17 }],
        ['the comparison, non-Latin text', { program: 'compare', input: 'пять 5\u2028six' }],
        ['the loan', { program: 'Bank', amount: '5 000 000', rate: '12.5', payment: '800000' }],
    ];
    const fallbacks = [
        ['nothing', '', {}],
        ['no step', '#program=pairswap&input=1%202', { program: 'pairswap', input: '1 2' }],
        ['an unknown program, a negative step', '#program=rm&step=-3', {}],
        ['a broken escape', '#input=%E0%A4%A', { input: '%E0%A4%A' }],
    ];
    await page.goto('index.html');
    const read = await page.evaluate(async ([defaults, hashes]) => {
        const { parseFragment, formatFragment } = await import('./lessonstate.js');
        return hashes.map(hash => [parseFragment(hash, defaults), formatFragment(parseFragment(hash, defaults))]);
    }, [defaults, [...rows.map(([, state]) => formatFragment(state)), ...fallbacks.map(([, hash]) => hash)]]);
    for (const [index, [name, state]] of rows.entries())
        expect(read[index], name).toEqual([{ ...defaults, step: 0, ...state }, formatFragment(state)]);
    for (const [index, [name, , expected]] of fallbacks.entries())
        expect(read[rows.length + index][0], name).toEqual({ ...defaults, step: 0, ...expected });
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
    return { caption, years: Number(caption.match(/(\d+)/)[1]), last: caption.split('\n').at(-1) };
}
const loanState = ([amount, rate, payment]) => ({ program: 'Bank', amount, rate, payment });

test('the loan: a row per full year, the partial year as the window states it, and the CSV', async ({ page }) => {
    // The boxes start with the window's texts.
    const start = layouts.Bank.controls.filter(control => control.kind === 'TextBox').map(box => box.caption);
    const window = await runBank(page, start);
    await page.goto('lesson.html#program=Bank');
    await page.waitForSelector('body[data-ready]');
    const rows = page.locator('#schedule tbody tr[data-year]');
    expect([await page.inputValue('#amount'), await page.inputValue('#rate'), await page.inputValue('#payment')])
        .toEqual(start);
    await expect(rows).toHaveCount(window.years);
    expect(await rows.evaluateAll(all => all.map(row => row.dataset.year)))
        .toEqual(Array.from({ length: window.years }, (_, i) => String(i + 1)));
    await expect(page.locator('#schedule tr[data-partial] td')).toHaveText(window.last);
    await expect(page.locator('#chart polyline')).toHaveCount(1);

    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#csv')]);
    const csv = (await (await download.createReadStream()).toArray()).map(chunk => Buffer.from(chunk));
    const text = Buffer.concat(csv).toString('utf8');
    expect(text.startsWith('\uFEFF')).toBe(true);
    const lines = text.slice(1).split('\r\n').filter(Boolean);
    // A header, the full years and the partial one, each with as many fields.
    expect(lines.length).toBe(window.years + 2);
    expect(new Set(lines.map(line => line.split(';').length)).size).toBe(1);
});

test('the loan: a 32767-year table by its rows in view, ready at once', async ({ page }) => {
    const texts = ['32768', '0', '1'];
    const window = await runBank(page, texts);
    expect(window.years).toBe(32767);
    await openLesson(page, loanState(texts));
    await expect(page.locator('#schedule')).toHaveAttribute('data-years', '32767');
    expect(await page.locator('#schedule tbody tr').count()).toBeLessThan(200);
    // Found by the year box, or by scrolling the table.
    await page.fill('#goYear', '32767');
    await page.press('#goYear', 'Enter');
    const last = page.locator('#schedule tr[data-year="32767"]');
    await expect(last).toBeVisible();
    const remainder = window.last.match(/Остаток суммы (\S+)/)[1];
    await expect(last.locator('td').last()).toHaveText(remainder);
    await page.locator('#scroller').evaluate(scroller => { scroller.scrollTop = scroller.scrollHeight / 2; });
    await expect(page.locator('#schedule tr[data-year="16384"]')).toBeAttached();
});

test('the loan: where the window stops with a message, the lesson stops with it', async ({ page }) => {
    for (const texts of [['1000', '50', '10'], ['-1', '12', '800000']]) {
        const window = await runBank(page, texts);
        expect(window.message).toBeTruthy();
        await openLesson(page, loanState(texts));
        await expect(page.locator('#loanSummary')).toHaveText(window.message);
    }
});

test('a program page links to the lesson of its last click', async ({ page }) => {
    const input = '7 1 -2 3.5';
    await openProgram(page, 'tally');
    await expect(page.locator('#lessonLink')).toHaveCount(0);
    await setValue(page, 'Text1', input);
    await page.press('#Text1', 'Enter');
    await page.click('#lessonLink');
    await page.waitForSelector('body[data-ready]');
    await expect(page.locator('#program')).toHaveValue('tally');
    await expect(page.locator('#input')).toHaveValue(input);
    await openProgram(page, 'Bank');
    await setValue(page, 'Text2', '7,5');
    await page.click('#Command2');
    await page.getByRole('link', { name: 'Разбор этого запуска' }).click();
    await page.waitForSelector('body[data-ready]');
    expect(await page.evaluate(() => location.hash)).toMatch(/^#program=Bank&amount=\d+&rate=7%2C5&payment=\d+$/);
    await expect(page.locator('#rate')).toHaveValue('7,5');
});

test('by keyboard alone, with nothing playing on its own', async ({ page }) => {
    await page.emulateMedia({ reducedMotion: 'reduce' });
    await openLesson(page, { program: 'pickmin', input: '3 1 2' });
    await page.waitForTimeout(1200);
    await expect(page.locator('#steps')).toHaveAttribute('data-step', '0');
    expect(await page.locator('#array .bar').first().evaluate(bar => getComputedStyle(bar).transitionDuration)).toBe('0s');
    // Tab reaches every control of the view.
    const reached = new Set();
    for (let i = 0; i < 20; ++i) {
        await page.keyboard.press('Tab');
        reached.add(await page.evaluate(() => document.activeElement.id));
    }
    for (const id of ['program', 'input', 'show', 'first', 'back', 'play', 'forward', 'last', 'jump', 'speed'])
        expect(reached.has(id), id).toBe(true);
    await page.locator('#forward').focus();
    const count = (await stepData(page)).count;
    const keys = [['ArrowRight', '1'], ['ArrowRight', '2'], ['ArrowLeft', '1'], ['End', count], ['Home', '0']];
    for (const [key, step] of keys) {
        await page.keyboard.press(key);
        await expect(page.locator('#steps'), key).toHaveAttribute('data-step', step);
    }
    await page.locator('#narration').click();
    await page.selectOption('#speed', { index: 2 });
    await page.locator('#lines').click();
    await page.keyboard.press(' ');
    await expect(page.locator('#steps')).not.toHaveAttribute('data-step', '0');
    await page.keyboard.press(' ');
    const paused = (await stepData(page)).step;
    await page.waitForTimeout(1000);
    await expect(page.locator('#steps')).toHaveAttribute('data-step', paused);
});

test('no accessibility violations in any view', async ({ page }) => {
    test.slow();
    for (const state of [{ program: 'pairswap', input: '3 1 2', step: 2 }, { program: 'compare', input: '1 1 2' },
        loanState(['5000000', '12', '800000']), loanState(['1000', '50', '10'])]) {
        await openLesson(page, state);
        const { violations } = await new AxeBuilder({ page }).analyze();
        expect(violations.map(violation => `${violation.id}: ${violation.nodes.map(node => node.target).join(' ')}`),
            state.program).toEqual([]);
    }
});

test.describe('on a phone', () => {
    test.use({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });

    for (const state of [{ program: 'pickmin', input: '-123456789.125 2 3 4 5 6 7 8 9 10', step: 5 },
        { program: 'compare', input: '1 1 2' }, loanState(['32768', '0', '1'])]) {
        test(`${state.program}: fits 360 pixels`, async ({ page }) => {
            await openLesson(page, state);
            expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
            if (state.program === 'pickmin') {
                await page.locator('#forward').tap();
                await expect(page.locator('#steps')).toHaveAttribute('data-step', '6');
            }
        });
    }
});
