// Runs browser test files in Debian's firefox-esr, unchanged: the site in build-web/site is
// served on a free port and the files' Playwright tests run on node's test runner.
// Usage (from web/): node tests/firefox/run.mjs [FILE...]
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { register } from 'node:module';
import { after } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

// What runs here: the table cases, the keyboard and the message box, the window before the
// module has loaded, and the site offline. The window's geometry and the phone stay in Chromium:
// they need touch or a phone's screen.
const Files = ['tables.test.mjs', 'keyboard.test.mjs', 'loading.test.mjs', 'presses.test.mjs',
    'offline.test.mjs'];

register('./hooks.mjs', import.meta.url);
const { browser, settings } = await import('./playwright.mjs');
// Started before the first test, whose time it would take.
await browser();

const site = fileURLToPath(new URL('../../../build-web/site', import.meta.url));
const serve = fileURLToPath(new URL('../../tools/serve.mjs', import.meta.url));
const server = spawn(process.execPath, [serve, site, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
const [line] = await once(server.stdout, 'data');
settings.baseURL = String(line).match(/http:\/\/\S+/)[0].replace(/\/?$/, '/');
after(() => server.kill());

const files = process.argv.slice(2);
for (const file of files.length ? files : Files.map(name => `tests/${name}`))
    await import(pathToFileURL(file).href);
