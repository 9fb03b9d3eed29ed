// Browser tests of the site in build-web/site, in Debian's chromium: no browser is downloaded.
import { defineConfig } from '@playwright/test';
import { createServer } from 'node:net';
import { fileURLToPath } from 'node:url';
import { launchOptions } from './tools/chromium.mjs';

const site = fileURLToPath(new URL('../build-web/site', import.meta.url));
// A free port, chosen once: the workers load this file again and inherit the choice.
process.env.WEB_TEST_PORT ||= await new Promise(resolve => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
        const { port } = probe.address();
        probe.close(() => resolve(String(port)));
    });
});
const port = Number(process.env.WEB_TEST_PORT);

export default defineConfig({
    testDir: 'tests',
    testMatch: '*.test.mjs',
    workers: 2,
    retries: 0,
    timeout: 30000,
    reporter: process.env.CI ? 'line' : 'list',
    use: {
        baseURL: `http://127.0.0.1:${port}/`,
        browserName: 'chromium',
        headless: true,
        launchOptions,
    },
    webServer: {
        command: `node tools/serve.mjs "${site}" ${port}`,
        url: `http://127.0.0.1:${port}/index.html`,
        reuseExistingServer: false,
    },
});
