// Screenshots of the lesson page with headless chromium: sorts with negatives, pickmin's used
// cells, tally's repeated numbers, a loan with a partial year and a stopped one, each at a desktop
// and a phone width and with forced colours light and dark; and the loan printed, as a PDF.
// Usage: lessonshots.mjs URL FOLDER; prints each file's path.
import { chromium } from 'playwright';
import { mkdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { launchOptions } from './chromium.mjs';

const [url, folder] = process.argv.slice(2);
mkdirSync(folder, { recursive: true });
const mixed = '3 -7 0 -2 10 1 -1 5 2 4';
// A step past the end stands for the last one.
const states = {
    'negatives-start': { program: 'pairswap', input: mixed, step: 0 },
    'negatives-end': { program: 'pickmin', input: mixed, step: 99999 },
    'pickmin-used': { program: 'pickmin', input: '5 3 8 1 9 2 7 4 10 6', step: 40 },
    'tally-repeats': { program: 'tally', input: '2 2 5 1 5 5 0 3 3 1', step: 99999 },
    'loan-partial': { program: 'Bank', amount: '5000000', rate: '12', payment: '800000' },
    'loan-stopped': { program: 'Bank', amount: '1000', rate: '50', payment: '10' },
};
const fragment = state => '#' + Object.entries(state)
    .map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join('&');
const views = {
    1280: { viewport: { width: 1280, height: 900 } },
    360: { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true },
    'forced-light': { viewport: { width: 1280, height: 900 }, forcedColors: 'active', colorScheme: 'light' },
    'forced-dark': { viewport: { width: 1280, height: 900 }, forcedColors: 'active', colorScheme: 'dark' },
};

const browser = await chromium.launch(launchOptions);
async function open(context, state) {
    const page = await context.newPage();
    await page.goto(`${url}lesson.html${fragment(state)}`);
    await page.waitForSelector('body[data-ready]');
    await page.evaluate(() => document.fonts.ready);
    return page;
}
for (const [view, options] of Object.entries(views)) {
    const context = await browser.newContext({ ...options, serviceWorkers: 'block' });
    for (const [name, state] of Object.entries(states)) {
        const page = await open(context, state);
        const path = resolve(join(folder, `lesson-${name}-${view}.png`));
        await page.screenshot({ path, fullPage: true });
        console.log(path);
        await page.close();
    }
    await context.close();
}
const context = await browser.newContext({ serviceWorkers: 'block' });
const page = await open(context, states['loan-partial']);
const path = resolve(join(folder, 'lesson-loan-printed.pdf'));
await page.emulateMedia({ media: 'print' });
await page.pdf({ path, format: 'A4' });
console.log(path);
await browser.close();
