// Every page in each state a user reaches, checked against the WCAG 2.0, 2.1 and 2.2 A and AA
// rules and the best practices, at a desktop width, on a phone and with forced colours: no
// violation is allowed.
import AxeBuilder from '@axe-core/playwright';
import { defaultButton, expect, firstWritten, layouts, openProgram, programs, test } from './fixtures.mjs';

const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'];

async function expectNoViolations(page, state) {
    const { violations } = await new AxeBuilder({ page }).withTags(tags).analyze();
    const found = violations.map(violation =>
        `${violation.id} (${violation.help}): ${violation.nodes.map(node => node.target.join(' ')).join(', ')}`);
    expect(found, state).toEqual([]);
}

const boxes = program => layouts[program].controls.filter(control => control.kind === 'TextBox');
const exitButton = program =>
    layouts[program].controls.find(control => control.kind === 'CommandButton' && control.caption === 'Выход');

// [state, how a user gets there from the state before; false where the program has no such state]
const states = [
    ['start', async () => true],
    ['a result', async (page, program) => {
        const answer = page.locator(`#${firstWritten(program)}`);
        const before = await answer.textContent();
        await page.click(`#${defaultButton(program)}`);
        await expect(answer).not.toHaveText(before);
        return true;
    }],
    // A number beyond doubles is an overflow in every program.
    ['the message box open', async (page, program) => {
        for (const box of boxes(program))
            await page.fill(`#${box.name}`, '1e400');
        await page.press(`#${boxes(program)[0].name}`, 'Enter');
        await expect(page.locator('#message')).toBeVisible();
        return true;
    }],
    ['after «Выход»', async (page, program) => {
        if (!exitButton(program))
            return false;
        await page.keyboard.press('Escape');
        await expect(page.locator('#message')).toBeHidden();
        await page.click(`#${exitButton(program).name}`);
        await expect(page.locator('#ended')).toBeVisible();
        return true;
    }],
];

// [condition, page options, media]
const conditions = [
    ['at a desktop width', {}, null],
    ['at 360 pixels', { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true }, null],
    ['with forced colours', {}, { forcedColors: 'active' }],
];

for (const [condition, options, media] of conditions) {
    test.describe(condition, () => {
        test.use(options);
        // A check takes seconds on a busy machine; a page in four states, a minute.
        test.describe.configure({ timeout: 180000 });

        test('the list of programs', async ({ page }) => {
            if (media)
                await page.emulateMedia(media);
            await page.goto('index.html');
            await expectNoViolations(page, 'index');
        });

        test('the lesson: a sort mid-way, the comparison, a loan with a partial year and a stopped one', async ({ page }) => {
            if (media)
                await page.emulateMedia(media);
            for (const hash of ['#program=pickmin&input=5%203%208%201%209%202%207%204%2010%206&step=40',
                '#program=tally&input=2%202%201&step=99', '#program=compare&input=1%201%202',
                '#program=Bank', '#program=Bank&amount=1000&rate=50&payment=10']) {
                await page.goto(`lesson.html${hash}`);
                await page.waitForSelector('body[data-ready]');
                await expectNoViolations(page, hash);
            }
        });

        for (const program of programs) {
            test(`${program}: every state`, async ({ page }) => {
                if (media)
                    await page.emulateMedia(media);
                await openProgram(page, program);
                for (const [state, reach] of states) {
                    if (await reach(page, program))
                        await expectNoViolations(page, state);
                }
            });
        }
    });
}

test('each program page has its window title as its one level-one heading', async ({ page }) => {
    for (const program of programs) {
        await openProgram(page, program);
        const headings = page.getByRole('heading', { level: 1 });
        await expect(headings).toHaveCount(1);
        await expect(headings).toHaveText(layouts[program].caption);
        await expect(page.getByRole('group', { name: layouts[program].caption })).toBeVisible();
    }
});
