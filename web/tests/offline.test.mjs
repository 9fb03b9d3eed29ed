// After one visit every page works with no network; a new build replaces the cached site.
import { defaultButton, expect, firstWritten, programs, test } from './fixtures.mjs';
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

const site = fileURLToPath(new URL('../../build-web/site', import.meta.url));
const serve = fileURLToPath(new URL('../tools/serve.mjs', import.meta.url));

async function controlled(page) {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// Each page answers with no network: the list, each program's first click, a lesson step. Each
// page's late modules are in before the next page: leaving a page drops what it still loads,
// which Firefox reports as the page's errors.
async function worksOffline(page) {
    await page.waitForLoadState('networkidle');
    await page.goto('index.html');
    await expect(page.locator('.programs a')).toHaveCount(programs.length + 1);
    for (const program of programs) {
        await page.waitForLoadState('networkidle');
        await page.goto(`${program}.html`);
        await page.waitForFunction(() => window.demosPage.dispatch !== null);
        await page.click(`#${defaultButton(program)}`);
        await expect(page.locator(`#${firstWritten(program)}`))
            .toHaveText(program === 'Bank' ? /^Количество полных лет: 12/ : /^Исходный массив/);
        expect(await page.evaluate(() => document.fonts.check('11px "DejaVu Sans Web"'))).toBe(true);
    }
    await page.waitForLoadState('networkidle');
    await page.goto('lesson.html#program=pickmin&input=2%201');
    await page.waitForSelector('body[data-ready]');
    await page.click('#forward');
    await expect(page.locator('#steps')).toHaveAttribute('data-step', '1');
}

// The page a student is sent to, opened first: a program's page takes the worker in after its
// first answer, long after the window's `load`.
for (const first of [...programs.map(program => `${program}.html`), 'lesson.html', 'index.html']) {
    test(`every page works offline after a visit to ${first} alone`, async ({ page, context }) => {
        await page.goto(first);
        await controlled(page);
        await context.setOffline(true);
        await page.reload();
        await worksOffline(page);
    });
}

test('a new build of the site replaces the cached one on the next visit', async ({ browser }) => {
    const copy = mkdtempSync(join(tmpdir(), 'site-'));
    cpSync(site, copy, { recursive: true });
    const server = spawn(process.execPath, [serve, copy, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
    try {
        const url = await new Promise(resolve => server.stdout.once('data', data => resolve(String(data).trim())));
        const context = await browser.newContext();
        const page = await context.newPage();
        await page.goto(`${url}index.html`);
        await controlled(page);
        const cacheNames = () => page.evaluate(() => caches.keys());
        const version = readFileSync(join(copy, 'sw.js'), 'utf8').match(/VERSION = '(\w+)'/)[1];
        expect((await cacheNames()).map(name => name.split(':').pop())).toEqual([version]);

        // What a rebuild changes: a page, and so the worker's version.
        const index = join(copy, 'index.html');
        writeFileSync(index, readFileSync(index, 'utf8').replace('<h1>Учебные программы</h1>', '<h1>Новая сборка</h1>'));
        const worker = join(copy, 'sw.js');
        writeFileSync(worker, readFileSync(worker, 'utf8').replace(version, 'rebuilt'));

        await page.reload();
        // The new worker caches all of the site before it drops the old cache: slow on a busy machine.
        await expect.poll(async () => (await cacheNames()).map(name => name.split(':').pop()),
            { timeout: 20000 }).toEqual(['rebuilt']);
        await context.setOffline(true);
        await page.reload();
        await expect(page.locator('h1')).toHaveText('Новая сборка');
        await context.close();
    } finally {
        server.kill();
        rmSync(copy, { recursive: true, force: true });
    }
});
