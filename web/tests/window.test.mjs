// Each page's window against its layout table, «Выход», the narrow screen, and the tooltip.
import { defaultButton, defaultButtonAt, expect, firstWritten, layouts, openProgram, programs, test } from './fixtures.mjs';

for (const program of programs) {
    test(`${program}: the window is placed from the layout table`, async ({ page }) => {
        await openProgram(page, program);
        const layout = layouts[program];
        expect(await page.title()).toBe(layout.caption);
        await expect(page.locator('#caption')).toHaveText(layout.caption);
        const form = await page.locator('#form').boundingBox();
        expect([form.width, form.height]).toEqual([layout.width, layout.height]);
        for (const control of layout.controls) {
            const box = await page.locator(`#${control.name}`).boundingBox();
            expect([box.x - form.x, box.y - form.y, box.width, box.height], control.name)
                .toEqual([control.left, control.top, control.width, control.height]);
        }
        // The desktop's font and size, and every start caption whole.
        expect(await page.evaluate(() => document.fonts.check('11px "DejaVu Sans Web"'))).toBe(true);
        const styles = await page.locator('#form .label, #form input, #form button').evaluateAll(
            elements => elements.map(e => getComputedStyle(e).font));
        for (const font of styles)
            expect(font).toMatch(/^11px "DejaVu Sans Web"/);
        for (const control of layout.controls.filter(control => control.kind === 'Label')) {
            const label = page.locator(`#${control.name}`);
            expect(await label.textContent()).toBe(control.caption);
            expect(await label.evaluate(e => e.scrollHeight <= e.clientHeight), control.name).toBe(true);
        }
        await expect(page.locator('#Text1')).toHaveAttribute('maxlength', '32767');
    });
}

test('nothing typed is read as HTML', async ({ page }) => {
    await openProgram(page, 'pickmin');
    await page.fill('#Text1', '<b>1</b> &amp; 2');
    await page.click(defaultButtonAt('pickmin'));
    expect(await page.locator('#Label1 *').count()).toBe(0);
    await expect(page.locator('#Label1')).toHaveText(/^Исходный массив состоит из элементов:\n 0  0  2/);
});

test('«Выход» ends Bank: the window goes and the page says so', async ({ page }) => {
    await openProgram(page, 'Bank');
    await page.fill('#Text1', 'не число');
    await page.click('#Command3');
    await expect(page.locator('#form')).toBeHidden();
    await expect(page.locator('#message')).toBeHidden();
    const ended = page.locator('#ended');
    await expect(ended).toBeVisible();
    await expect(ended).toContainText('завершила работу');
    await expect(ended.getByRole('link', { name: 'Запустить снова' })).toHaveAttribute('href', 'Bank.html');
    await expect(ended.getByRole('link', { name: 'К списку программ' })).toHaveAttribute('href', 'index.html');
    await ended.getByRole('link', { name: 'Запустить снова' }).click();
    await expect(page.locator('#form')).toBeVisible();
    await expect(page.locator('#Text1')).toHaveValue('5000000');
});

test.describe('on a phone', () => {
    test.use({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });

    for (const program of programs) {
        test(`${program}: the window scales down to fit, with no horizontal scrolling`, async ({ page }) => {
            await openProgram(page, program);
            const layout = layouts[program];
            const form = await page.locator('#form').boundingBox();
            expect(form.x).toBeGreaterThanOrEqual(0);
            expect(form.x + form.width).toBeLessThanOrEqual(360);
            expect(form.width).toBeGreaterThan(300);
            // Uniformly: the same scale across and down.
            expect(Math.abs(form.width / layout.width - form.height / layout.height)).toBeLessThan(0.01);
            expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
            // By touch.
            await page.locator(`#${defaultButton(program)}`).tap();
            await expect(page.locator(`#${firstWritten(program)}`))
                .toHaveText(program === 'Bank' ? /^Количество полных лет: 12/ : /^Исходный массив/);
        });
    }

    test('a caption that does not fit shows whole on a tap', async ({ page }) => {
        await openProgram(page, 'pickmin');
        await page.fill('#Text1', Array(10).fill('-123456789.123456').join(' '));
        await page.locator(defaultButtonAt('pickmin')).tap();
        const label = page.locator('#Label1');
        const caption = await label.textContent();
        expect(await label.evaluate(e => e.scrollHeight > e.clientHeight)).toBe(true);
        await expect(page.locator('#tip')).toBeHidden();
        await label.tap();
        await expect(page.locator('#tip')).toBeVisible();
        expect(await page.locator('#tip').textContent()).toBe(caption);
        await page.locator('#caption').tap();
        await expect(page.locator('#tip')).toBeHidden();
    });
});

test('a caption that does not fit shows whole in a tooltip; one that fits has none', async ({ page }) => {
    await openProgram(page, 'tally');
    await page.hover('#Label1');
    expect(await page.locator('#Label1').getAttribute('title')).toBe(null);
    await page.fill('#Text1', Array(10).fill('-123456789.123456').join(' '));
    await page.click(defaultButtonAt('tally'));
    await page.hover('#Label1');
    expect(await page.locator('#Label1').getAttribute('title')).toBe(await page.textContent('#Label1'));
});

test('the list links every program with its menu entry, and each page links back', async ({ page }) => {
    await page.goto('index.html');
    expect(await page.locator('html').getAttribute('lang')).toBe('ru');
    const links = page.locator('.programs a');
    // The programs, then the lesson.
    await expect(links).toHaveCount(programs.length + 1);
    await expect(links.last()).toHaveAttribute('href', 'lesson.html');
    for (const [i, program] of programs.entries()) {
        await expect(links.nth(i)).toHaveAttribute('href', `${program}.html`);
        await expect(links.nth(i).locator('img')).toHaveAttribute('src', `icons/${program}.svg`);
    }
    await expect(links.nth(0)).toContainText('Сортировка массива переносом мин. элемента');
    await expect(links.nth(3)).toContainText('Рассчитывает срок погашения займа');
    for (const program of programs) {
        await page.goto(`${program}.html`);
        expect(await page.locator('html').getAttribute('lang')).toBe('ru');
        await page.getByRole('link', { name: 'Все программы' }).click();
        await expect(page).toHaveURL(/index\.html$/);
    }
});


// The browser draws no selection in an entry box without the focus; the page marks it instead.
test('the selection the walk leaves shows in the unfocused box', async ({ page }) => {
    await openProgram(page, 'pairswap');
    await page.fill('#Text1', '5 3 8 1 9 2 7 4 10 6');
    await page.click(defaultButtonAt('pairswap'));
    const mark = page.locator('#Text1-selection > div');
    await expect.poll(async () => (await mark.boundingBox())?.width ?? 0).toBeGreaterThan(3);
    const box = await page.locator('#Text1').boundingBox();
    const marked = await mark.boundingBox();
    // The last of ten tokens, "6", near the end of the text and inside the box.
    expect(marked.x).toBeGreaterThan(box.x + box.width / 4);
    expect(marked.x + marked.width).toBeLessThan(box.x + box.width);
    expect(marked.width).toBeLessThan(12);
    await page.focus('#Text1');
    await expect(page.locator('#Text1-selection')).toBeHidden();
});
