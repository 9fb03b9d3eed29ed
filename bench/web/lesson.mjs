// The lesson page's budgets (a benchmark, not a test): what lesson.html loads, gzip-compressed;
// its start-up against its own static twin (the page at step 0 as rendered, scripts removed),
// cold, side by side in each round: the first paint, and step 0 drawn from the module; a step
// drawn, from the click to the updated view; a 32767-year loan table ready, from the click on the
// run button to its rows in view. Usage: node lesson.mjs [ROUNDS] (after web/build.sh and npm ci
// in web/); exits non-zero while a budget is not met.
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchOptions } from '../../web/tools/chromium.mjs';
import { pageWeight } from './weight.mjs';

const require = createRequire(new URL('../../web/package.json', import.meta.url));
const { chromium } = require('playwright');
const rounds = Number(process.argv[2] || 50);
const median = values => [...values].sort((a, b) => a - b)[values.length >> 1];
const most = values => Math.max(...values);
const fragment = `#program=pickmin&input=${encodeURIComponent('5 3 8 1 9 2 7 4 10 6')}`;

const site = mkdtempSync(join(tmpdir(), 'lesson-budget-'));
cpSync(fileURLToPath(new URL('../../build-web/site', import.meta.url)), site, { recursive: true });
const server = spawn(process.execPath, [fileURLToPath(new URL('../../web/tools/serve.mjs', import.meta.url)), site, '0'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
const url = await new Promise(resolve => server.stdout.once('data', data => resolve(String(data).trim())));
const browser = await chromium.launch(launchOptions);
const coldPage = async () => (await browser.newContext({ serviceWorkers: 'block' })).newPage();
// As budget.mjs: the last page's processes end before the next load is measured.
const settle = () => new Promise(resolve => setTimeout(resolve, 150));
const ready = page => page.waitForSelector('body[data-ready]');
const results = [];
const report = (name, value, limit, unit = 'ms') => {
    const over = value > limit;
    if (over)
        process.exitCode = 1;
    results.push(`${name}: ${value.toFixed(2)} ${unit} (limit ${limit} ${unit})${over ? ': over budget' : ''}`);
    console.log(results.at(-1));
};
try {
    let page = await coldPage();
    const responses = [];
    page.on('response', response => responses.push(response));
    await page.goto(`${url}lesson.html${fragment}`);
    await ready(page);
    await page.evaluate(() => document.fonts.ready);
    const weight = await pageWeight(responses);
    console.log(`lesson.html loads, gzip -9 (raw): ${weight}`);
    report('lesson.html, gzip', parseFloat(weight), 150, 'KB');
    const html = await page.evaluate(() => {
        for (const element of document.querySelectorAll('script, link[rel="preload"][as="fetch"]'))
            element.remove();
        return '<!DOCTYPE html>\n' + document.documentElement.outerHTML;
    });
    writeFileSync(join(site, 'static-lesson.html'), html);
    await page.context().close();

    // Step 0 drawn: the moment the page marks itself ready, which it does once it has drawn it.
    const probe = () => new MutationObserver((_, observer) => {
        if (document.body?.hasAttribute('data-ready')) {
            window.drawnAt = performance.now();
            observer.disconnect();
        }
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
    const painted = page => page.evaluate(() => new Promise(resolve => {
        const entry = () => performance.getEntriesByName('first-contentful-paint')[0];
        if (entry())
            return resolve(entry().startTime);
        new PerformanceObserver(() => entry() && resolve(entry().startTime)).observe({ type: 'paint', buffered: true });
    }));
    const paint = [], drawn = [];
    for (let round = 0; round < rounds; ++round) {
        const measured = {};
        for (const kind of round % 2 ? ['module', 'static'] : ['static', 'module']) {
            await settle();
            page = await coldPage();
            if (kind === 'module')
                await page.addInitScript(probe);
            await page.goto(`${url}${kind === 'static' ? 'static-' : ''}lesson.html${fragment}`);
            measured[kind] = await painted(page);
            if (kind === 'module')
                measured.drawn = await page.evaluate(() => new Promise(resolve => {
                    const check = () => (window.drawnAt ? resolve(window.drawnAt) : setTimeout(check, 5));
                    check();
                }));
            await page.context().close();
        }
        paint.push(measured.module / measured.static);
        drawn.push(measured.drawn / measured.static);
    }
    report(`window painted against the static twin, median of ${rounds}`, median(paint), 1.1, 'x');
    report(`step 0 drawn against the static twin's paint, median of ${rounds}`, median(drawn), 1.3, 'x');

    // The click's handler and the view's update run in the event's task.
    page = await coldPage();
    await page.goto(`${url}lesson.html${fragment}`);
    await ready(page);
    const timed = (selector, done) => page.evaluate(([selector, done]) => new Promise(resolve => {
        const start = performance.now();
        document.querySelector(selector).click();
        const check = () => (document.querySelector(done) ? resolve(performance.now() - start) : setTimeout(check, 0));
        check();
    }), [selector, done]);
    const steps = [];
    const count = Number(await page.locator('#steps').getAttribute('data-count'));
    for (let i = 1; i <= count; ++i) {
        steps.push(await timed('#forward', `#steps[data-step="${i}"]`));
        await page.evaluate(() => new Promise(requestAnimationFrame));
    }
    report(`a step drawn, median of ${count}`, median(steps), 2);
    report(`a step drawn, slowest of ${count}`, most(steps), 16);

    const tables = [];
    for (let i = 0; i < 15; ++i) {
        await page.goto(`${url}lesson.html#program=Bank`);
        await ready(page);
        await page.fill('#amount', '32768');
        await page.fill('#rate', '0');
        await page.fill('#payment', '1');
        tables.push(await timed('#show', '#schedule[data-rows="32768"] tr[data-year="1"]'));
    }
    report('the 32767-year table ready, median of 15', median(tables), 20);
    console.log(`  (slowest ${most(tables).toFixed(2)} ms)`);
} finally {
    await browser.close();
    server.kill();
    rmSync(site, { recursive: true, force: true });
}
