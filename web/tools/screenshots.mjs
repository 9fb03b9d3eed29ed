// Screenshots of the site with headless chromium: the list of programs, and each program's page
// after a typical click. Usage: screenshots.mjs URL FOLDER [--docs]; prints each PNG's path.
// With --docs it makes the README's pictures instead, at a desktop and at a phone width.
import { chromium } from 'playwright';
import { mkdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { launchOptions } from './chromium.mjs';
import { defaultButton, layouts, programs } from './layouttable.mjs';

const [url, folder, mode] = process.argv.slice(2);
mkdirSync(folder, { recursive: true });
const browser = await chromium.launch(launchOptions);

async function typicalClick(page, program) {
    await page.waitForFunction(() => window.demosPage && window.demosPage.dispatch !== null);
    // The start texts, and numbers in a box that starts empty.
    for (const control of layouts[program].controls)
        if (control.kind === 'TextBox' && control.caption === '')
            await page.fill(`#${control.name}`, '5 3 8 1 9 2 7 4 10 6');
    await page.click(`#${defaultButton(program)}`);
    await page.mouse.move(0, 0);
    await page.evaluate(() => document.activeElement.blur());
    await page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
}

async function shoot(page, name, options = {}) {
    const path = resolve(join(folder, `${name}.png`));
    await page.screenshot({ path, ...options });
    console.log(path);
}

if (mode === '--docs') {
    const desktop = await browser.newPage({ viewport: { width: 900, height: 270 } });
    await desktop.goto(`${url}pickmin.html`);
    await typicalClick(desktop, 'pickmin');
    await shoot(desktop, 'web-desktop');
    const phone = await browser.newPage({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true });
    await phone.goto(`${url}Bank.html`);
    await typicalClick(phone, 'Bank');
    await shoot(phone, 'web-phone', { clip: { x: 0, y: 0, width: 360, height: 300 } });
} else {
    const page = await browser.newPage({ viewport: { width: 700, height: 420 } });
    await page.goto(`${url}index.html`);
    await shoot(page, 'index', { fullPage: true });
    for (const program of programs) {
        await page.goto(`${url}${program}.html`);
        await typicalClick(page, program);
        await shoot(page, program, { clip: { x: 0, y: 0, width: 460, height: 290 } });
    }
}
await browser.close();
