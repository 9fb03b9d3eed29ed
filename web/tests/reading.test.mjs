// What the student sees is what the program read, on the web as on the desktop: a box holds one
// line, a failed click leaves no earlier result, a caption shows only whole lines and words, and
// the button Enter presses is drawn as the default.
import {
    defaultButton, defaultButtonAt, expect, openProgram, selection, test, units, valueUnits,
} from './fixtures.mjs';

const Source = 'Исходный массив состоит из элементов:\n';
const Note = 'В случае неправильного ввода массив будет дополнен числами автоматически!';

// [program, box, text as it arrives, as the box holds it, label, caption after Enter]
const arriving = [
    ['tally', 'Text1', '5\n3\r\n8\r1\u20289\u20292\t7\t4\u00A010\u202F6', '5 3 8 1 9 2 7 4 10 6',
        'Label1', Source + ' 5  3  8  1  9  2  7  4  10  6 '],
    ['pickmin', 'Text1', '1\n\n2', '1  2', 'Label1', Source + ' 1  0  2  2  2  2  2  2  2  2 '],
    ['Bank', 'Text1', '5\u00A0000\u00A0000', '5 000 000', 'Label4',
        'Количество полных лет: 12\nОстаток суммы 173373.35 (это еще 0.22 г.)'],
];
// A paste as the browser delivers it, into an empty box.
async function paste(page, id, text) {
    await page.locator(`#${id}`).evaluate((box, codes) => {
        box.value = '';
        box.focus();
        const data = new DataTransfer();
        data.setData('text/plain', String.fromCharCode(...codes));
        box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, units(text));
}

for (const [program, box, text, held, label, caption] of arriving) {
    test(`${program}: ${JSON.stringify(text)} is held as one line`, async ({ page }) => {
        await openProgram(page, program);
        await paste(page, box, text);
        expect(await valueUnits(page, box)).toEqual(units(held));
        await page.press(`#${box}`, 'Enter');
        expect(await page.textContent(`#${label}`)).toBe(caption);
    });
}

// A paste over a selection, as the browser delivers it.
async function pasteOver(page, id, start, end, text) {
    await page.locator(`#${id}`).evaluate((box, [start, end, codes]) => {
        box.focus();
        box.setSelectionRange(start, end);
        const data = new DataTransfer();
        data.setData('text/plain', String.fromCharCode(...codes));
        box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, [start, end, units(text)]);
}

// [name, the box's text, selection, pasted, the box's text after, the caret after]
const pastes = [
    ['lines into the middle', '1 2', [1, 1], '5\n6', '15 6 2', 4],
    ['a column over a selection', '1 2 3', [2, 3], '7\r\n8\r\n', '1 7 8 3', 5],
    ['only line breaks over a selection', '1 2 3', [1, 4], '\r\n', '13', 1],
    ['up to the longest text', 'x'.repeat(32765), [1, 1], '1\n2\n3', `x1 ${'x'.repeat(32764)}`, 3],
];
for (const [name, before, [start, end], text, after, caret] of pastes) {
    test(`a paste of ${name} is inserted as the form holds it`, async ({ page }) => {
        await openProgram(page, 'tally');
        await page.fill('#Text1', before);
        await pasteOver(page, 'Text1', start, end, text);
        expect(await page.inputValue('#Text1')).toBe(after);
        expect(await selection(page, 'Text1')).toEqual([caret, caret]);
    });
}

test('Ctrl+Z undoes a paste with line breaks, then the typing before it', async ({ page }) => {
    await openProgram(page, 'tally');
    await page.locator('#Text1').pressSequentially('1 2');
    await pasteOver(page, 'Text1', 1, 1, '5\r\n6');
    expect(await page.inputValue('#Text1')).toBe('15 6 2');
    await page.keyboard.press('Control+z');
    expect(await page.inputValue('#Text1')).toBe('1 2');
    // The form reads what the undo left.
    await page.keyboard.press('Enter');
    expect(await page.textContent('#Label1')).toBe(Source + ' 1  2  2  2  2  2  2  2  2  2 ');
    for (let i = 0; i < 3; ++i)
        await page.keyboard.press('Control+z');
    expect(await page.inputValue('#Text1')).toBe('');
});

test('a click that fails on reading leaves no earlier result', async ({ page }) => {
    await openProgram(page, 'pairswap');
    await page.fill('#Text1', '5 3 8 1 9 2 7 4 10 6');
    await page.click(defaultButtonAt('pairswap'));
    await page.fill('#Text1', '1E+39 7 6 5');
    await page.click(defaultButtonAt('pairswap'));
    await expect(page.locator('#message')).toBeVisible();
    expect(await page.textContent('#Label2')).toBe(Note);
    await page.keyboard.press('Enter');
    expect(await page.textContent('#Label1')).toBe(Source);
    expect(await page.textContent('#Label2')).toBe(Note);
});

// [program, text, label, fits]
const captions = [
    ['pickmin', '5 3 8 1 9 2 7 4 10 6', 'Label1', true],
    ['pickmin', '0.5 1.25 -3.75 10.125 -20.5 33.333 -0.001 7.77 100.01 -55.55', 'Label1', false],
    ['tally', '-1.23456789012345 '.repeat(10), 'Label1', false],
    ['Bank', '1e100', 'Label4', false],
];
for (const [program, text, id, fits] of captions) {
    test(`${program}: ${id} after ${text.slice(0, 24)}… shows whole lines and words`, async ({ page }) => {
        await openProgram(page, program);
        if (program === 'Bank') {
            await page.fill('#Text1', text);
            await page.fill('#Text2', '0');
            await page.fill('#Text3', text);
            await page.click(defaultButtonAt(program));
        } else {
            await page.fill('#Text1', text);
            await page.click(defaultButtonAt(program));
        }
        const label = page.locator(`#${id}`);
        const whole = await label.textContent();
        if (fits) {
            await page.evaluate(() => new Promise(requestAnimationFrame));
            expect(await label.evaluate(e => e.classList.contains('clipped'))).toBe(false);
            return;
        }
        await expect(label).toHaveClass(/clipped/);
        const short = await label.getAttribute('data-short');
        expect(short.endsWith('…')).toBe(true);
        const drawn = short.slice(0, -1).replace(/\s+/g, ' ').trim();
        const flat = whole.replace(/\s+/g, ' ').trim();
        expect(flat.startsWith(drawn)).toBe(true);
        expect(flat.length === drawn.length || flat[drawn.length] === ' ').toBe(true);
        // What is drawn fits the label: no line and no number shows in part.
        expect(await label.evaluate((e, shown) => {
            const probe = e.cloneNode(false);
            probe.removeAttribute('id');
            probe.className = 'label';
            probe.textContent = shown;
            e.parentElement.append(probe);
            const fitting = probe.scrollHeight <= probe.clientHeight && probe.scrollWidth <= probe.clientWidth;
            probe.remove();
            return fitting;
        }, short)).toBe(true);
        await page.hover(`#${id}`);
        expect(await label.getAttribute('title')).toBe(whole);
    });
}

// [program, the button drawn as the default at the start and after each Tab: the layout's default
// button unless another has the focus]
const defaults = [
    ['pickmin', ['default', 'default', 'default']],
    ['Bank', ['default', 'Command3', 'default', 'default']],
];
for (const [program, expected] of defaults) {
    test(`${program}: the button Enter presses is drawn as the default`, async ({ page }) => {
        await openProgram(page, program);
        for (const id of expected) {
            expect(await page.locator('#form button.default').evaluateAll(b => b.map(e => e.id)))
                .toEqual([id === 'default' ? defaultButton(program) : id]);
            await page.keyboard.press('Tab');
        }
    });
}
