// Safe by default: every page under the same policy, with nothing inline that the policy would
// have to allow, and no console error or violation while each is used.
import { defaultButton, defaultButtonAt, expect, openProgram, programs, test } from './fixtures.mjs';
import { readFileSync, readdirSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const site = fileURLToPath(new URL('../../build-web/site/', import.meta.url));
const pages = readdirSync(site).filter(file => file.endsWith('.html'));

test('every page carries the policy and no inline script or style', () => {
    expect(pages.sort()).toEqual(['check.html', 'index.html', 'lesson.html', ...programs.map(program => `${program}.html`)].sort());
    for (const file of pages) {
        const html = readFileSync(site + file, 'utf8');
        expect(html, file).toContain('<meta http-equiv="Content-Security-Policy" ' +
            `content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval'">`);
        expect(html, file).not.toMatch(/<script(?![^>]*\bsrc=)[^>]*>/);
        expect(html, file).not.toMatch(/\sstyle=|<style|\son\w+=/i);
        expect(html, file).not.toMatch(/(src|href)="(https?:)?\/\//);
    }
});

test('no console error or violation on any page in use', async ({ page }) => {
    await page.goto('index.html');
    for (const program of programs) {
        await openProgram(page, program);
        await page.click(`#${defaultButton(program)}`);
        if (program !== 'Bank') {
            // A message box too.
            await page.fill('#Text1', '1E+39');
            await page.click(defaultButtonAt(program));
            await page.click('#messageOk');
        }
    }
    await page.goto('manifest.webmanifest');
    expect(page.problems).toEqual([]);
});

test('the manifest names the site and its icons', async ({ request }) => {
    const manifest = await (await request.get('manifest.webmanifest')).json();
    expect(manifest.start_url).toBe('index.html');
    expect(manifest.icons.map(icon => icon.src)).toEqual(programs.map(program => `icons/${program}.svg`));
    for (const icon of manifest.icons)
        expect((await request.get(icon.src)).ok()).toBe(true);
});
