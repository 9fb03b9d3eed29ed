// The window before the module is ready: typing kept, clicks and Enter answered in order once it
// is; a module that fails to load says so.
import { holdModule } from './delay.mjs';
import { defaultButtonAt, expect, openProgram, programs, test } from './fixtures.mjs';

test('Bank: a click and an Enter made before the module is ready are answered in order', async ({ page }) => {
    const release = await holdModule(page);
    await page.goto('Bank.html', { waitUntil: 'domcontentloaded' });
    await page.click(defaultButtonAt('Bank'));
    await page.fill('#Text3', '600000');
    await page.press('#Text3', 'Enter');
    expect(await page.evaluate(() => window.demosPage.pending.length)).toBe(2);
    await expect(page.locator('#Label4')).toContainText('Программа рассчитывает');
    release();
    // The click saw the payment as it was then; the Enter saw the one typed after it.
    await expect(page.locator('#messageText')).toHaveText(
        'Выплаты за год не покрывают процентную ставку! Измените данные.');
    await expect(page.locator('#Label4')).toHaveText(
        'Количество полных лет: 12\nОстаток суммы 173373.35 (это еще 0.22 г.)');
    await expect(page.locator('#Text3')).toHaveValue('600000');
    await page.keyboard.press('Escape');
    await expect(page.locator('#message')).toBeHidden();
    expect(await page.evaluate(() => document.activeElement.id)).toBe('Text3');
    // The link to the lesson follows the last of them.
    await expect(page.locator('#lessonLink')).toHaveAttribute('href', /&payment=600000$/);
});

test('pickmin: text typed before the module is ready is what the first click reads', async ({ page }) => {
    const release = await holdModule(page);
    await page.goto('pickmin.html', { waitUntil: 'domcontentloaded' });
    await page.keyboard.type('9 8 7');
    release();
    await page.waitForFunction(() => window.demosPage.dispatch !== null);
    await page.click(defaultButtonAt('pickmin'));
    await expect(page.locator('#Label1')).toHaveText(
        'Исходный массив состоит из элементов:\n 9  8  7  7  7  7  7  7  7  7 ');
});

test('a module that fails to load says so, and leaves no dead buttons', async ({ page }) => {
    page.allowProblems = true;
    await page.route('**/demos.wasm', route => route.abort());
    await page.goto('pickmin.html');
    const status = page.locator('#status');
    await expect(status).toBeVisible();
    await expect(status).toContainText('Программа не загрузилась');
    await expect(page.locator(defaultButtonAt('pickmin'))).toBeDisabled();
    await expect(page.locator('#Text1')).toBeDisabled();
});

// The early script reads the module, and the loader takes its bytes: a second request would make
// the first click later.
test('each program page asks for its module once', async ({ page }) => {
    for (const program of programs) {
        await openProgram(page, program);
        const modules = await page.evaluate(() => performance.getEntriesByType('resource')
            .filter(entry => entry.name.endsWith('.wasm')).length);
        expect(modules, program).toBe(1);
        // Firefox reports the page's later imports as failed when the next page cuts them short.
        await page.waitForLoadState('networkidle');
    }
});
