// The lesson page's budgets (a benchmark, not a test): what lesson.html loads, gzip-compressed;
// a step drawn, from the click to the updated view; a 32767-year loan table ready, from the
// click on «Показать» to its rows in view. Usage: node lesson.mjs [ROUNDS] (after web/build.sh
// and npm ci in web/).
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { launchOptions } from '../../web/tools/chromium.mjs';
import { pageWeight } from './weight.mjs';

const require = createRequire(new URL('../../web/package.json', import.meta.url));
const { chromium } = require('playwright');
const rounds = Number(process.argv[2] || 15);
const median = values => [...values].sort((a, b) => a - b)[values.length >> 1];

const server = spawn(process.execPath, [fileURLToPath(new URL('../../web/tools/serve.mjs', import.meta.url)),
    fileURLToPath(new URL('../../build-web/site', import.meta.url)), '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
const url = await new Promise(resolve => server.stdout.once('data', data => resolve(String(data).trim())));
const browser = await chromium.launch(launchOptions);
try {
    const page = await (await browser.newContext({ serviceWorkers: 'block' })).newPage();
    const responses = [];
    page.on('response', response => responses.push(response));
    await page.goto(`${url}lesson.html#program=pickmin&input=${encodeURIComponent('5 3 8 1 9 2 7 4 10 6')}`);
    await page.waitForSelector('body[data-ready]');
    await page.evaluate(() => document.fonts.ready);
    console.log(`lesson.html loads, gzip -9 (raw): ${await pageWeight(responses)}`);

    // The click's handler and the view's update run in the event's task.
    const timed = (selector, done) => page.evaluate(([selector, done]) => new Promise(resolve => {
        const start = performance.now();
        document.querySelector(selector).click();
        const check = () => (document.querySelector(done) ? resolve(performance.now() - start) : setTimeout(check, 0));
        check();
    }), [selector, done]);
    const steps = [];
    for (let i = 0; i < rounds; ++i) {
        steps.push(await timed('#forward', `#steps[data-step="${i + 1}"]`));
        await page.evaluate(() => new Promise(requestAnimationFrame));
    }
    console.log(`a step drawn: median ${median(steps).toFixed(2)} ms, most ${Math.max(...steps).toFixed(2)} ms`);

    const tables = [];
    for (let i = 0; i < rounds; ++i) {
        await page.goto(`${url}lesson.html#program=Bank`);
        await page.waitForSelector('body[data-ready]');
        await page.fill('#amount', '32768');
        await page.fill('#rate', '0');
        await page.fill('#payment', '1');
        tables.push(await timed('#show', '#schedule tr[data-year="1"]'));
    }
    console.log(`the 32767-year table ready: median ${median(tables).toFixed(2)} ms, most ${Math.max(...tables).toFixed(2)} ms`);
} finally {
    await browser.close();
    server.kill();
}
