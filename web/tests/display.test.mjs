// How the window draws under forced colours, the tooltip of a long caption on a narrow screen,
// and right-to-left text in an entry box: compared as drawn, pixel for pixel, where it matters.
import { expect, openProgram, setValue, test } from './fixtures.mjs';

const longNumbers = Array(10).fill('-123456789.123456').join(' ');
const blur = page => page.evaluate(() => document.activeElement.blur());

for (const forcedColors of ['active', 'none']) {
    test.describe(`forced colours ${forcedColors}`, () => {
        test('a caption that does not fit is drawn once, shortened, and read whole', async ({ page }, info) => {
            await page.emulateMedia({ forcedColors });
            await openProgram(page, 'tally');
            await page.fill('#Text1', longNumbers);
            await page.click('#Command1');
            const label = page.locator('#Label1');
            await expect(label).toHaveAttribute('data-short', /…$/);
            const caption = await label.textContent();
            expect(caption).toMatch(/-123456789\.123456 $/);
            await blur(page);
            await page.screenshot({ path: info.outputPath('clipped.png') });
            const clip = await label.boundingBox();
            const drawn = await page.screenshot({ clip });
            // Without the shortened lines, nothing of the caption may show: as with no caption.
            const short = await label.getAttribute('data-short');
            await label.evaluate(e => e.removeAttribute('data-short'));
            const under = await page.screenshot({ clip });
            await label.evaluate(e => { e.style.visibility = 'hidden'; });
            const blank = await page.screenshot({ clip });
            expect(under.equals(blank), 'the whole caption shows under the shortened one').toBe(true);
            expect(drawn.equals(blank), 'the shortened caption is drawn').toBe(false);
            expect(short.length).toBeLessThan(caption.length);
            // Screen readers and the tooltip still have it whole.
            await label.evaluate(e => { e.style.visibility = ''; });
            expect(await label.ariaSnapshot()).toContain('-123456789.123456 -123456789.123456');
            expect(await label.ariaSnapshot()).not.toContain('…');
            await page.hover('#Label1');
            await expect(label).toHaveAttribute('title', caption);
        });

        test('the default button is drawn apart from the others', async ({ page }, info) => {
            await page.emulateMedia({ forcedColors });
            await openProgram(page, 'Bank');
            const button = page.locator('#Command2');
            await page.focus('#Text1');
            await expect(button).toHaveClass('default');
            await page.screenshot({ path: info.outputPath('default.png') });
            const asDefault = await button.screenshot();
            // The focused «Выход» is the default now, and «Расчет» an ordinary button.
            await page.focus('#Command3');
            await expect(button).not.toHaveClass('default');
            const ordinary = await button.screenshot();
            expect(asDefault.equals(ordinary)).toBe(false);
        });
    });
}

// The tooltip of Bank's result for an amount of 1e100 at a yearly payment of 1e99: a number of
// a hundred digits with no place to break.
for (const width of [320, 360, 1024]) {
    test.describe(`${width} pixels wide`, () => {
        test.use({ viewport: { width, height: 640 }, hasTouch: true, isMobile: width < 400 });

        test('the tooltip of a long caption wraps inside the page', async ({ page }, info) => {
            await openProgram(page, 'Bank');
            await page.fill('#Text1', '1e100');
            await page.fill('#Text2', '1');
            await page.fill('#Text3', '1e99');
            await page.locator('#Command2').tap();
            const label = page.locator('#Label4');
            await expect(label).toHaveText(/^Количество полных лет: 10\n/);
            await label.tap();
            const tip = page.locator('#tip');
            await expect(tip).toBeVisible();
            expect(await tip.textContent()).toBe(await label.textContent());
            await page.screenshot({ path: info.outputPath('tip.png') });
            expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(width);
            const box = await tip.boundingBox();
            expect(box.x).toBeGreaterThanOrEqual(0);
            expect(box.x + box.width).toBeLessThanOrEqual(width);
        });
    });
}

// [name, text, the direction the box takes]
const directionRows = [
    ['Hebrew', 'שלום 1 2', 'rtl'],
    ['Arabic with Arabic-Indic digits', 'عدد ١٢ ٣', 'rtl'],
    ['digits before a Hebrew letter', '5 7 ש', 'rtl'],
    ['numbers only', '1 2 3', 'ltr'],
    ['Cyrillic', 'пять 5', 'ltr'],
];

for (const [name, text, direction] of directionRows) {
    test(`an entry box takes the direction of its text: ${name}`, async ({ page }, info) => {
        await openProgram(page, 'pickmin');
        const box = page.locator('#Text1');
        const bounds = await box.boundingBox();
        // The box's left and right halves as drawn, against the empty box.
        const halves = () => Promise.all([0, 1].map(half => page.screenshot({
            clip: { x: bounds.x + half * bounds.width / 2, y: bounds.y, width: bounds.width / 2, height: bounds.height },
        })));
        await setValue(page, 'Text1', '');
        await blur(page);
        const empty = await halves();
        await setValue(page, 'Text1', text);
        const drawn = await halves();
        await page.screenshot({ path: info.outputPath('direction.png') });
        expect(await box.evaluate(input => input.matches(':dir(rtl)') ? 'rtl' : 'ltr')).toBe(direction);
        const inked = drawn.map((half, i) => !half.equals(empty[i]));
        expect(inked).toEqual(direction === 'rtl' ? [false, true] : [true, false]);
    });
}

test('every entry box takes the direction of its text, from the start', async ({ page }) => {
    await page.goto('Bank.html');
    const directions = await page.locator('#form input').evaluateAll(boxes => boxes.map(box => box.dir));
    expect(directions).toEqual(['auto', 'auto', 'auto']);
});

// The columns of a screenshot where it differs from another of the same clip.
async function differingColumns(page, shot, other) {
    return page.evaluate(async shots => {
        const pixels = await Promise.all(shots.map(async data => {
            const bytes = Uint8Array.from(atob(data), c => c.charCodeAt(0));
            const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
            const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
            context.drawImage(image, 0, 0);
            return context.getImageData(0, 0, image.width, image.height);
        }));
        const [a, b] = pixels;
        const columns = [];
        for (let x = 0; x < a.width; ++x) {
            for (let y = 0; y < a.height; ++y) {
                const i = (y * a.width + x) * 4;
                if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2]) {
                    columns.push(x);
                    break;
                }
            }
        }
        return columns;
    }, [shot.toString('base64'), other.toString('base64')]);
}
// Each column of one set within a pixel of a column of the other.
const within = (columns, of) => columns.filter(x => !of.some(y => Math.abs(x - y) <= 1));

// [name, text, selection, scrolled right to left]: the mark drawn once the box has lost the focus
// covers the columns the browser highlights while it has the focus.
const hebrew = 'שלום';
const markRows = [
    ['a Hebrew word', `${hebrew} 1 2`, [0, 4], false],
    ['a number in Hebrew text', `${hebrew} 12 3`, [5, 7], false],
    ['across a change of direction', `${hebrew} 12 3`, [2, 7], false],
    ['Arabic-Indic digits', 'عدد ١٢ ٣', [4, 6], false],
    ['the end of a long Hebrew text', `${`${hebrew} `.repeat(30)}1 2`, [145, 153], true],
    ['left to right', '1 22 333', [2, 4], false],
];
for (const [name, text, [start, end], scrolled] of markRows) {
    test(`the selection mark sits on the selected characters: ${name}`, async ({ page }) => {
        await openProgram(page, 'pickmin');
        await setValue(page, 'Text1', text);
        const box = page.locator('#Text1');
        const bounds = await box.boundingBox();
        // Inside the border and the focus ring.
        const clip = { x: bounds.x + 2, y: bounds.y + 4, width: bounds.width - 4, height: bounds.height - 8 };
        const nextFrame = () => page.evaluate(() => new Promise(requestAnimationFrame));
        // Right to left, the end of the text is at the far left, where the box scrolls to negative
        // offsets.
        await box.evaluate((input, [start, end, scrolled]) => {
            input.focus();
            input.setSelectionRange(start, end);
            if (scrolled)
                input.scrollLeft = -input.scrollWidth;
        }, [start, end, scrolled]);
        await blur(page);
        await nextFrame();
        const scrollLeft = await box.evaluate(input => input.scrollLeft);
        expect(scrollLeft < 0).toBe(scrolled);
        const marked = await page.screenshot({ clip });
        const marks = page.locator('#Text1-selection');
        await marks.evaluate(element => { element.style.visibility = 'hidden'; });
        const plain = await page.screenshot({ clip });
        await marks.evaluate(element => { element.style.visibility = ''; });
        // The browser's own highlight, at the same scroll.
        await box.evaluate((input, [start, end, scrollLeft]) => {
            input.focus();
            input.setSelectionRange(start, end);
            input.scrollLeft = scrollLeft;
        }, [start, end, scrollLeft]);
        await nextFrame();
        const highlighted = await page.screenshot({ clip });
        expect(await box.evaluate(input => input.scrollLeft)).toBe(scrollLeft);
        const browser = await differingColumns(page, highlighted, plain);
        const mark = await differingColumns(page, marked, plain);
        expect(browser.length).toBeGreaterThan(3);
        expect(within(mark, browser), 'marked, not highlighted').toEqual([]);
        expect(within(browser, mark), 'highlighted, not marked').toEqual([]);
    });
}

// A caption that does not fit shows what the desktop's shows for the same caption: the lines that
// fit whole, the last shortened by words until it and «…» fit, measured as the desktop measures.
const tallyNumbers = '-1e-320 1.23456789012345678 2147483648 5 5 5';
// [name, width, entered, how the shortened caption ends]
const shortenedRows = [
    ['numbers of every kind', 1024, tallyNumbers, '  2147483648  5…'],
    ['numbers of every kind', 360, tallyNumbers, '  2147483648  5…'],
    ['a last line that fits only without «…»', 1024,
        '36966187 -471522788 732398 811335 724883 71506362344 -121602 284586 5 6249259', '  724883…'],
];
// tally's first caption after a click, once shortened.
async function shortenedCaption(page, entered) {
    await openProgram(page, 'tally');
    await page.fill('#Text1', entered);
    await page.click('#Command1');
    const label = page.locator('#Label1');
    await expect(label).toHaveAttribute('data-short', /…$/);
    return label;
}
for (const [name, width, entered, ending] of shortenedRows) {
    test(`at ${width} pixels a caption is shortened as on the desktop: ${name}`, async ({ page }) => {
        await page.setViewportSize({ width, height: 640 });
        const label = await shortenedCaption(page, entered);
        const short = await label.getAttribute('data-short');
        expect(short.endsWith(ending), short).toBe(true);
    });
}

test('captions are fitted again after a resize or a rotation', async ({ page }) => {
    await page.setViewportSize({ width: 1024, height: 640 });
    const label = await shortenedCaption(page, tallyNumbers);
    const short = await label.getAttribute('data-short');
    // Each size as a phone held upright, then on its side, then the desktop again: as fitted from
    // nothing each time.
    for (const size of [{ width: 360, height: 640 }, { width: 640, height: 360 }, { width: 1024, height: 640 }]) {
        await label.evaluate(element => {
            delete element.dataset.short;
            element.classList.remove('clipped');
        });
        await page.setViewportSize(size);
        await expect(label).toHaveAttribute('data-short', short);
        await expect(label).toHaveClass(/clipped/);
    }
});
