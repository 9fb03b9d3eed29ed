// «Проверь себя» as the page draws the core's run: whole rounds by keyboard, answered from the
// run's own keys (a second instance of the module on the same link), the teacher's table, and the
// SCORM package under a maintained SCORM 1.2 runtime playing the course platform.
import AxeBuilder from '@axe-core/playwright';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { expect, test } from './fixtures.mjs';

const predict = (program, seed) => `#program=${program}&mode=predict&seed=${seed}`;

// Each question's right answer and form, in the order the run asks them.
async function roundKeys(page, fragment) {
    return page.evaluate(async fragment => {
        const { loadQuizCalls } = await import('./quizmodule.js');
        const quiz = await loadQuizCalls();
        quiz.open(fragment, 0);
        const keys = [];
        for (let state = quiz.state(); state.phase !== 'finished'; state = quiz.state()) {
            keys.push({ key: quiz.key(), form: state.question.form });
            quiz.answer(quiz.key());
            quiz.next();
        }
        return keys;
    }, fragment);
}

// An answer the key does not accept, of the same form.
function wrongAnswer({ key, form }) {
    if (form === 'yesno')
        return key === 'yes' ? 'no' : 'yes';
    const value = Number(key.replace(/\s/g, '').replace(',', '.'));
    return value === 7 ? '8' : '7';
}

// One answer by keys alone: Y/N for yes/no, else typed and Enter; then Enter goes on.
async function answerByKeys(page, answer, form) {
    if (form === 'yesno')
        await page.keyboard.press(answer === 'yes' ? 'y' : 'n');
    else
        await page.keyboard.type(answer);
    if (form !== 'yesno')
        await page.keyboard.press('Enter');
    await expect(page.locator('#question')).toHaveAttribute('data-result', /right|wrong/);
    await page.keyboard.press('Enter');
}

async function axe(page) {
    const { violations } = await new AxeBuilder({ page }).analyze();
    expect(violations.map(violation => violation.id)).toEqual([]);
}

for (const [program, seed] of [['pickmin', 11], ['pairswap', 12], ['tally', 13], ['Bank', 14]]) {
    test(`a round of ${program} answered right by keys scores full marks`, async ({ page }) => {
        await page.goto(`lesson.html${predict(program, seed)}`);
        await page.waitForSelector('body[data-ready]');
        const keys = await roundKeys(page, predict(program, seed));
        expect(keys.length).toBeGreaterThan(0);
        for (const item of keys)
            await answerByKeys(page, item.key, item.form);
        await expect(page.locator('#score')).toHaveAttribute('data-right', String(keys.length));
        await expect(page.locator('#score')).toHaveAttribute('data-asked', String(keys.length));
        await expect(page.locator('#checkcode')).not.toBeEmpty();
    });
}

test('a wrong first answer costs one point and is listed; each state is accessible', async ({ page }) => {
    const fragment = predict('pickmin', 5);
    await page.setViewportSize({ width: 360, height: 640 });
    await page.goto(`lesson.html${fragment}`);
    await page.waitForSelector('body[data-ready]');
    const keys = await roundKeys(page, fragment);
    await axe(page);
    const [first, ...rest] = keys;
    await answerByKeys(page, wrongAnswer(first), first.form);
    for (const item of rest)
        await answerByKeys(page, item.key, item.form);
    await expect(page.locator('#score')).toHaveAttribute('data-right', String(keys.length - 1));
    await expect(page.locator('#score')).toHaveAttribute('data-asked', String(keys.length));
    await expect(page.locator('#mistakes tbody tr')).toHaveCount(1);
    await axe(page);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);

    await page.locator('#again').click();
    await page.locator('#answers button[data-answer]').first().click();
    await expect(page.locator('#question')).toHaveAttribute('data-result', /right|wrong/);
    await axe(page);
});

test('«Новые числа» puts a new seed in the link', async ({ page }) => {
    await page.goto(`lesson.html${predict('tally', 1)}`);
    await page.waitForSelector('body[data-ready]');
    await page.locator('#newTask').click();
    await expect(page).toHaveURL(/mode=predict/);
    expect(page.url()).toMatch(/seed=\d+/);
    expect(page.url()).not.toMatch(/seed=1(&|$)/);
});

test('the teacher\'s table reads a code and rejects a changed one', async ({ page }) => {
    await page.setViewportSize({ width: 360, height: 640 });
    await page.goto('check.html');
    const code = await page.evaluate(async fragment => {
        const { loadQuizCalls } = await import('./quizmodule.js');
        const quiz = await loadQuizCalls();
        quiz.open(fragment, 0);
        while (quiz.state().phase !== 'finished') {
            quiz.answer(quiz.key());
            quiz.next();
        }
        return { code: quiz.checkCode('Петров Иван'), asked: quiz.state().end.asked };
    }, predict('pairswap', 9));
    const last = code.code.at(-1) === '0' ? '1' : '0';
    await page.locator('#codes').fill(`${code.code}\n${code.code.slice(0, -1)}${last}\n`);
    await page.locator('#verify').click();
    const rows = page.locator('#results tbody tr');
    await expect(rows).toHaveCount(2);
    await expect(rows.nth(0)).toHaveAttribute('data-valid', 'true');
    await expect(rows.nth(0)).toHaveAttribute('data-score', `${code.asked}/${code.asked}`);
    await expect(rows.nth(0)).toContainText('Петров Иван');
    await expect(rows.nth(1)).toHaveAttribute('data-valid', 'false');
    await axe(page);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
});

// The course platform: scorm-again's SCORM 1.2 API on a page that opens the package's launch
// address, as its manifest gives it, in a frame.
const manifest = readFileSync(fileURLToPath(new URL('../../build-web/scorm/imsmanifest.xml', import.meta.url)), 'utf8');
const launches = [...manifest.matchAll(/adlcp:scormtype="sco" href="([^"]+)"/g)]
    .map(match => match[1].replaceAll('&#38;', '&'));
const runtime = fileURLToPath(new URL('../node_modules/scorm-again/dist/scorm12.min.js', import.meta.url));

async function openUnderPlatform(page, launch) {
    await page.route('**/platform/runtime.js', route => route.fulfill({ path: runtime, contentType: 'text/javascript' }));
    await page.route('**/platform/index.html', route => route.fulfill({
        contentType: 'text/html',
        body: `<!DOCTYPE html><html lang="en"><title>platform</title><script src="runtime.js"></script>
<script>window.API = new Scorm12API({ logLevel: 5, autocommit: false });</script>
<iframe id="sco" title="lesson" src="../${launch}" width="900" height="700"></iframe></html>`,
    }));
    await page.goto('platform/index.html');
    const frame = page.frameLocator('#sco');
    await frame.locator('body[data-ready]').waitFor({ state: 'attached' });
    return frame;
}

for (const wrong of [false, true]) {
    test(`under a SCORM 1.2 platform a round answered ${wrong ? 'wrong but once' : 'right'} is recorded`, async ({ page }) => {
        expect(launches.length).toBe(4);
        const launch = launches[0];
        const frame = await openUnderPlatform(page, launch);
        const keys = await roundKeys(page.frame({ url: /lesson\.html/ }), launch.slice(launch.indexOf('#')));
        for (const [index, item] of keys.entries()) {
            const answer = wrong && index > 0 ? wrongAnswer(item) : item.key;
            if (item.form === 'yesno') {
                await frame.locator(`#answers button[data-answer="${answer}"]`).click();
            } else {
                await frame.locator('#answer').fill(answer);
                await frame.locator('#submit').click();
            }
            await frame.locator('#next').click();
        }
        await expect(frame.locator('#score')).toHaveAttribute('data-asked', String(keys.length));
        const record = await page.evaluate(() => {
            const rendered = window.API.renderCMIToJSONObject();
            const cmi = rendered.cmi ?? rendered;
            return {
                raw: cmi.core.score.raw,
                status: cmi.core.lesson_status,
                interactions: Object.values(cmi.interactions).map(item => [item.id, item.result]),
            };
        });
        expect(record.status).toBe(wrong ? 'failed' : 'passed');
        expect(Number(record.raw)).toBe(wrong ? Math.round(100 / keys.length) : 100);
        expect(record.interactions).toHaveLength(keys.length);
        expect(record.interactions.map(([, result]) => result))
            .toEqual(keys.map((_, index) => (wrong && index > 0 ? 'wrong' : 'correct')));
    });
}
