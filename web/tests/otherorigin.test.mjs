// The lesson in a frame of a page of another origin, which holds a SCORM API the lesson must
// pass over: it records nothing there and logs no error.
import { launchOptions } from '../tools/chromium.mjs';
import { expect, test } from './fixtures.mjs';

const predict = (program, seed) => `#program=${program}&mode=predict&seed=${seed}`;

// A route's page counts as public, which chromium keeps from framing a local one unless told.
test.use({ launchOptions: { ...launchOptions, args: [`${launchOptions.args[0]},LocalNetworkAccessChecks`] } });
test('in a frame of another origin the lesson passes its API over and says nothing', async ({ page, baseURL }) => {
    const other = baseURL.replace('127.0.0.1', 'localhost');
    await page.route(`${baseURL}elsewhere.html`, route => route.fulfill({
        contentType: 'text/html',
        body: `<!DOCTYPE html><html lang="en"><title>other</title>
<script>window.API = { LMSInitialize() { window.initialized = true; return 'true'; } };</script>
<iframe title="lesson" src="${other}lesson.html${predict('pickmin', 2)}"></iframe></html>`,
    }));
    page.allowProblems = true;
    await page.goto('elsewhere.html');
    const frame = page.frameLocator('iframe');
    await frame.locator('#answers button[data-answer]').first().click();
    await expect(frame.locator('#question')).toHaveAttribute('data-result', /right|wrong/);
    expect(await page.evaluate(() => window.initialized)).toBeUndefined();
    expect(page.problems.filter(problem => !problem.startsWith('request to another host'))).toEqual([]);
});
