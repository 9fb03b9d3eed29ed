// What every browser test shares: a page that fails its test on any console error, page error,
// Content-Security-Policy violation or request to another host; and the programs' windows.
import { test as base, expect } from '@playwright/test';
import { defaultButton, lineBreak } from '../tools/layouttable.mjs';

export { expect };
// The layout tables the site was built from, in pixels.
export { defaultButton, firstWritten, layouts, lineBreak, programs } from '../tools/layouttable.mjs';

export const test = base.extend({
    page: async ({ page, baseURL }, use) => {
        const problems = [];
        page.on('console', message => {
            if (message.type() === 'error')
                problems.push(`console: ${message.text()}`);
        });
        page.on('pageerror', error => problems.push(`page error: ${error.message}`));
        page.on('request', request => {
            if (!request.url().startsWith(baseURL) && !request.url().startsWith('data:'))
                problems.push(`request to another host: ${request.url()}`);
        });
        await page.addInitScript(() => {
            document.addEventListener('securitypolicyviolation', event => {
                console.error(`CSP violation: ${event.violatedDirective} ${event.blockedURI}`);
            });
        });
        page.problems = problems;
        await use(page);
        if (!page.allowProblems)
            expect(problems, 'console errors, CSP violations, other hosts').toEqual([]);
    },
});

// Opens a program's page and waits until the module answers.
export async function openProgram(page, program) {
    await page.goto(`${program}.html`);
    await page.waitForFunction(() => window.demosPage && window.demosPage.dispatch !== null);
}

// The button Enter presses, for a locator.
export const defaultButtonAt = program => `#${defaultButton(program)}`;

// A label's caption as shown: a line break for each of the core's.
export const shown = caption => caption.split(lineBreak).join('\n');

export async function selection(page, id) {
    return page.locator(`#${id}`).evaluate(box => [box.selectionStart, box.selectionEnd]);
}

// Text that crosses the test protocol as UTF-16 code units, so a lone surrogate arrives intact.
const units = text => Array.from({ length: text.length }, (_, i) => text.charCodeAt(i));
export async function setValue(page, id, text) {
    await page.locator(`#${id}`).evaluate((box, codes) => {
        box.value = String.fromCharCode(...codes);
        box.dispatchEvent(new Event('input', { bubbles: true }));
    }, units(text));
}
export async function valueUnits(page, id) {
    return page.locator(`#${id}`).evaluate(box =>
        Array.from({ length: box.value.length }, (_, i) => box.value.charCodeAt(i)));
}
export { units };
