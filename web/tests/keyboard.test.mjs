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

// Each paste, drop and run of typing is an undo step of its own, as in a plain entry box, and
// redo brings them back: [name, text copied first, steps: a press, `type TEXT`, `paste` (of the
// copied text) or `drop TEXT`, with the box's text after it].
const editRows = [
    ['a paste between typing', '7 2 5', [
        ['type 1 ', '1 '], ['paste', '1 7 2 5'], ['type 9', '1 7 2 59'],
        ['Control+Z', '1 7 2 5'], ['Control+Z', '1 '], ['Control+Z', ''],
        ['Control+Shift+Z', '1 '], ['Control+Y', '1 7 2 5'], ['Control+Shift+Z', '1 7 2 59'],
    ]],
    ['pastes and a drop in a row', '1\n2', [
        ['paste', '1 2'], ['paste', '1 21 2'], ['drop  3', '1 21 2 3'],
        ['Control+Z', '1 21 2'], ['Control+Z', '1 2'], ['Control+Y', '1 21 2'], ['Control+Z', '1 2'],
        ['Control+Z', ''],
    ]],
];
// Copied by the keyboard from a box of the page's own, as a user copies a column of a table.
async function copy(page, text) {
    await page.evaluate(() => {
        document.body.append(Object.assign(document.createElement('textarea'), { id: 'copied' }));
    });
    await page.focus('#copied');
    await page.keyboard.type(text);
    await page.keyboard.press('Control+A');
    await page.keyboard.press('Control+C');
}
// As the browser delivers a drop, at the box's selection.
const drop = (page, text) => page.locator('#Text1').evaluate((box, text) => {
    const data = new DataTransfer();
    data.setData('text/plain', text);
    box.dispatchEvent(new DragEvent('drop', { bubbles: true, cancelable: true, dataTransfer: data }));
}, text);

for (const [name, copied, steps] of editRows) {
    test(`undo and redo step by step: ${name}`, async ({ page }) => {
        await openProgram(page, 'pickmin');
        await copy(page, copied);
        await page.focus('#Text1');
        for (const [step, after] of steps) {
            const [how, ...words] = step.split(' ');
            if (how === 'type')
                await page.keyboard.type(words.join(' '));
            else if (how === 'paste')
                await page.keyboard.press('Control+V');
            else if (how === 'drop')
                await drop(page, words.join(' '));
            else
                await page.keyboard.press(how);
            expect(await page.inputValue('#Text1'), step).toBe(after);
        }
    });
}
