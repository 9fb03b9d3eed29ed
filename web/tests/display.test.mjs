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
