// The windows from the keyboard alone, and the message box.
import { defaultButton, expect, layouts, openProgram, programs, test } from './fixtures.mjs';

const focused = page => page.evaluate(() => document.activeElement.id);

for (const program of programs) {
    test(`${program}: focus starts where the desktop's does and Tab follows the layout`, async ({ page }) => {
        await openProgram(page, program);
        const order = layouts[program].tabOrder;
        expect(await focused(page)).toBe(order[0]);
        for (const name of [...order.slice(1), order[0]]) {
            // Past the last control the page's own links come first; Tab on to the window again.
            for (let i = 0; i < 4 && (await focused(page)) !== name; ++i)
                await page.keyboard.press('Tab');
            expect(await focused(page)).toBe(name);
        }
    });
}

test('pickmin typed and sorted by Enter in the box, then by Space and Enter on the button', async ({ page }) => {
    await openProgram(page, 'pickmin');
    await page.keyboard.type('5 3 8 1 9 2 7 4 10 6');
    const sorted = 'Алгоритм сортировки переносом мин. элемента: \n 1  2  3  4  5  6  7  8  9  10 ';
    await page.keyboard.press('Enter');
    await expect(page.locator('#Label2')).toHaveText(sorted);
    for (const key of ['Space', 'Enter']) {
        await page.evaluate(() => { document.getElementById('Label2').textContent = ''; });
        await page.focus('#Text1');
        await page.keyboard.press('Tab');
        expect(await focused(page)).toBe(defaultButton('pickmin'));
        await page.keyboard.press(key);
        await expect(page.locator('#Label2')).toHaveText(sorted);
    }
});

// Each way of closing the box; focus goes back to where it was.
for (const key of ['Enter', 'Space', 'Escape']) {
    test(`Bank: the message box closes by ${key}`, async ({ page }) => {
        await openProgram(page, 'Bank');
        await page.focus('#Text3');
        await page.keyboard.press('Control+A');
        await page.keyboard.type('600000');
        await page.keyboard.press('Enter');
        const dialog = page.getByRole('alertdialog', { name: 'Bank' });
        await expect(dialog).toBeVisible();
        await expect(dialog).toHaveAccessibleDescription(
            'Выплаты за год не покрывают процентную ставку! Измените данные.');
        expect(await focused(page)).toBe('messageOk');
        await expect(page.locator('#messageOk')).toHaveText('OK');
        // Modal: the window behind takes no click.
        expect(await page.evaluate(() => document.getElementById('message').matches(':modal'))).toBe(true);
        await page.keyboard.press(key);
        await expect(dialog).toBeHidden();
        expect(await focused(page)).toBe('Text3');
    });
}

test('Bank: Space on the focused Расчет computes; Enter in a box presses it', async ({ page }) => {
    await openProgram(page, 'Bank');
    const result = 'Количество полных лет: 12\nОстаток суммы 173373.35 (это еще 0.22 г.)';
    await page.keyboard.press('Space');
    await expect(page.locator('#Label4')).toHaveText(result);
    await page.focus('#Text2');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('0');
    await page.keyboard.press('Enter');
    await expect(page.locator('#Label4')).toHaveText(
        'Количество полных лет: 6\nОстаток суммы 200000.00 (это еще 0.25 г.)');
});

test('accessible names and live regions', async ({ page }) => {
    for (const program of programs) {
        await openProgram(page, program);
        for (const control of layouts[program].controls) {
            const element = page.locator(`#${control.name}`);
            if (control.kind === 'TextBox')
                await expect(element).toHaveAccessibleName(control.accessibleName);
            if (control.kind === 'Label')
                expect(await element.getAttribute('aria-live'))
                    .toBe(layouts[program].written.includes(control.name) ? 'polite' : null);
        }
    }
    expect(layouts.pickmin.written).toEqual(['Label1', 'Label2']);
    expect(layouts.Bank.written).toEqual(['Label4']);
});
