// The part of Playwright's test API that the browser tests use, over puppeteer-core driving
// Debian's firefox-esr through WebDriver BiDi, on node's test runner. What the tests use and this
// does not offer fails loudly instead of passing.
import { AssertionError, deepStrictEqual } from 'node:assert/strict';
import { after, describe, test as nodeTest } from 'node:test';
import puppeteer from 'puppeteer-core';

const TestTimeout = 30000;
const ExpectTimeout = 5000;
const ActionTimeout = 10000;
export const settings = { baseURL: null };

let launched = null;
export const browser = () => (launched ??= puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    protocol: 'webDriverBiDi',
    headless: true,
}));
after(async () => {
    if (launched)
        await (await launched).close();
});

const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
// As Playwright's text matchers compare strings.
const normalized = text => text.replace(/\u200b/g, '').trim().replace(/\s+/g, ' ');
const quoted = text => `"${text.replace(/["\\]/g, c => `\\${c}`)}"`;
const glob = pattern => new RegExp(`^${pattern.replace(/[.+?^${}()|[\]\\]/g, '\\$&')
    .replace(/\*\*/g, '\0').replace(/\*/g, '[^/]*').replace(/\0/g, '.*')}$`);

class Keyboard {
    constructor(raw) { this.raw = raw; }
    // Playwright's names for single letters are the keys' codes, which a modifier needs; its
    // Space is WebDriver's blank.
    static key(name) { return name === 'Space' ? ' ' : /^[A-Z]$/.test(name) ? `Key${name}` : name; }
    async press(combination) {
        const keys = combination.split('+').map(Keyboard.key);
        const key = keys.pop();
        for (const modifier of keys)
            await this.raw.keyboard.down(modifier);
        await this.raw.keyboard.press(key);
        for (const modifier of keys.reverse())
            await this.raw.keyboard.up(modifier);
    }
    down(key) { return this.raw.keyboard.down(Keyboard.key(key)); }
    up(key) { return this.raw.keyboard.up(Keyboard.key(key)); }
    type(text) { return this.raw.keyboard.type(text); }
}

class Locator {
    constructor(page, selector, index = 0) {
        this.page = page;
        this.selector = selector;
        this.index = index;
    }
    nth(index) { return new Locator(this.page, this.selector, index); }
    async find() { return (await this.page.raw.$$(this.selector))[this.index] ?? null; }
    // Waits for the element as Playwright's actions do.
    async element() {
        for (const end = Date.now() + ActionTimeout; ;) {
            const element = await this.find();
            if (element)
                return element;
            if (Date.now() > end)
                throw new Error(`no element for ${this.selector}`);
            await sleep(50);
        }
    }
    async evaluate(fn, arg) { return (await this.element()).evaluate(fn, arg); }
    async evaluateAll(fn, arg) {
        await this.element();
        return this.page.raw.$$eval(this.selector, fn, arg);
    }
    async count() { return (await this.page.raw.$$(this.selector)).length; }
    textContent() { return this.evaluate(element => element.textContent); }
    inputValue() { return this.evaluate(element => element.value); }
    getAttribute(name) { return this.evaluate((element, name) => element.getAttribute(name), name); }
    async boundingBox() { return (await this.element()).boundingBox(); }
    async click() { await (await this.element()).click(); }
    async hover() { await (await this.element()).hover(); }
    async focus() { await (await this.element()).focus(); }
    async press(key) {
        await this.focus();
        await this.page.keyboard.press(key);
    }
    // As Playwright fills an entry box: all of its text replaced by one edit, one input event.
    async fill(value) {
        await this.focus();
        const filled = await this.evaluate((box, value) => {
            box.select();
            document.execCommand(value ? 'insertText' : 'delete', false, value);
            return box.value === value;
        }, value);
        if (!filled)
            throw new Error(`${this.selector} did not take the text`);
    }
    async visible() {
        const element = await this.find();
        return element !== null && element.evaluate(e => {
            const box = e.getBoundingClientRect();
            return box.width > 0 && box.height > 0 && getComputedStyle(e).visibility !== 'hidden';
        });
    }
}

class Page {
    constructor(raw) {
        this.raw = raw;
        this.keyboard = new Keyboard(raw);
        this.routes = [];
    }
    on(event, handler) {
        if (!['console', 'pageerror', 'request'].includes(event))
            throw new Error(`page.on('${event}') is not offered in Firefox`);
        this.raw.on(event, handler);
    }
    addInitScript(fn, arg) { return this.raw.evaluateOnNewDocument(fn, arg); }
    goto(url, options = {}) {
        return this.raw.goto(new URL(url, settings.baseURL).href,
            { waitUntil: options.waitUntil === 'domcontentloaded' ? 'domcontentloaded' : 'load' });
    }
    reload() { return this.raw.reload({ waitUntil: 'load' }); }
    url() { return this.raw.url(); }
    title() { return this.raw.title(); }
    evaluate(fn, arg) { return this.raw.evaluate(fn, arg); }
    waitForFunction(fn, arg) { return this.raw.waitForFunction(fn, { timeout: ActionTimeout }, arg); }
    waitForLoadState(state) {
        if (state !== 'networkidle')
            throw new Error(`waitForLoadState('${state}') is not offered in Firefox`);
        return this.raw.waitForNetworkIdle({ idleTime: 500, timeout: ActionTimeout });
    }
    waitForSelector(selector) { return this.raw.waitForSelector(selector, { timeout: ActionTimeout }); }
    waitForTimeout(ms) { return sleep(ms); }
    locator(selector) { return new Locator(this, selector); }
    // By the browser's own accessibility tree.
    getByRole(role, { name } = {}) {
        const byName = name === undefined ? '' : `[name=${quoted(name)}]`;
        return new Locator(this, `::-p-aria(${byName}[role=${quoted(role)}])`);
    }
    click(selector) { return this.locator(selector).click(); }
    fill(selector, value) { return this.locator(selector).fill(value); }
    press(selector, key) { return this.locator(selector).press(key); }
    focus(selector) { return this.locator(selector).focus(); }
    hover(selector) { return this.locator(selector).hover(); }
    textContent(selector) { return this.locator(selector).textContent(); }
    inputValue(selector) { return this.locator(selector).inputValue(); }
    async route(pattern, handler) {
        if (!this.routes.length) {
            await this.raw.setRequestInterception(true);
            this.raw.on('request', request => {
                const route = this.routes.find(route => route.pattern.test(request.url()));
                if (!route)
                    return request.continue();
                return route.handler({ continue: () => request.continue(), abort: () => request.abort() });
            });
        }
        this.routes.push({ pattern: glob(pattern), handler });
    }
}

function fail(message, actual, expected, operator) {
    throw new AssertionError({ message, actual, expected, operator });
}

// Retries a check on the page until it holds or the time is up, as Playwright's matchers do.
async function retried(read, holds, describe, negated) {
    let actual;
    for (const end = Date.now() + ExpectTimeout; ;) {
        actual = await read();
        if (holds(actual) !== negated)
            return;
        if (Date.now() > end)
            fail(`${negated ? 'not ' : ''}${describe}`, actual, undefined, describe);
        await sleep(100);
    }
}

function textMatches(expected, whole) {
    if (expected instanceof RegExp)
        return text => text !== null && expected.test(text);
    return text => text !== null &&
        (whole ? normalized(text) === normalized(expected) : normalized(text).includes(normalized(expected)));
}

function valueMatchers(actual, message, negated) {
    const check = (holds, operator, expected) => {
        if (holds !== negated)
            return;
        fail(`${message ? `${message}: ` : ''}${negated ? 'not ' : ''}${operator}`, actual, expected, operator);
    };
    return {
        toBe: expected => check(Object.is(actual, expected), 'toBe', expected),
        toEqual: expected => {
            let equal = true;
            try { deepStrictEqual(actual, expected); } catch { equal = false; }
            check(equal, 'toEqual', expected);
        },
        toMatch: expected => check(expected.test(actual), 'toMatch', expected),
        toContain: expected => check(actual.includes(expected), 'toContain', expected),
        toBeGreaterThan: expected => check(actual > expected, 'toBeGreaterThan', expected),
        toBeGreaterThanOrEqual: expected => check(actual >= expected, 'toBeGreaterThanOrEqual', expected),
        toBeLessThan: expected => check(actual < expected, 'toBeLessThan', expected),
        toBeLessThanOrEqual: expected => check(actual <= expected, 'toBeLessThanOrEqual', expected),
    };
}

function locatorMatchers(locator, negated) {
    const on = (read, holds, describe) => retried(read, holds, `${locator.selector}: ${describe}`, negated);
    const text = () => locator.find().then(e => e && e.evaluate(element => element.textContent));
    return {
        toHaveText: expected => on(text, textMatches(expected, true), `toHaveText ${expected}`),
        toContainText: expected => on(text, textMatches(expected, false), `toContainText ${expected}`),
        toBeVisible: () => on(() => locator.visible(), Boolean, 'toBeVisible'),
        toBeHidden: () => on(() => locator.visible(), visible => !visible, 'toBeHidden'),
        toBeDisabled: () => on(() => locator.find().then(e => e && e.evaluate(b => b.disabled)), Boolean,
            'toBeDisabled'),
        toHaveValue: expected => on(() => locator.find().then(e => e && e.evaluate(b => b.value)),
            value => value === expected, `toHaveValue ${expected}`),
        toHaveAttribute: (name, expected) => on(
            () => locator.find().then(e => e && e.evaluate((e, name) => e.getAttribute(name), name)),
            textMatches(expected, true), `toHaveAttribute ${name}=${expected}`),
        toHaveCount: expected => on(() => locator.count(), count => count === expected, `toHaveCount ${expected}`),
        // The browser's accessibility tree names the element so.
        toHaveAccessibleName: expected => on(async () => {
            const element = await locator.find();
            for (const named of await locator.page.raw.$$(`::-p-aria([name=${quoted(expected)}])`)) {
                if (element && await element.evaluate((a, b) => a === b, named))
                    return true;
            }
            return false;
        }, Boolean, `toHaveAccessibleName ${expected}`),
        // WebDriver BiDi tells no descriptions: read from the page, for aria-describedby only.
        toHaveAccessibleDescription: expected => on(() => locator.find().then(e => e && e.evaluate(e =>
            (e.getAttribute('aria-describedby') ?? '').split(/\s+/).filter(Boolean)
                .map(id => document.getElementById(id)?.textContent ?? '').join(' '))),
        textMatches(expected, true), `toHaveAccessibleDescription ${expected}`),
    };
}

function matchers(actual, message, negated) {
    if (actual instanceof Locator)
        return locatorMatchers(actual, negated);
    if (actual instanceof Page) {
        return {
            toHaveURL: expected => retried(() => actual.url(), textMatches(expected, true),
                `toHaveURL ${expected}`, negated),
        };
    }
    return valueMatchers(actual, message, negated);
}

export function expect(actual, message) {
    return Object.assign(matchers(actual, message, false), { not: matchers(actual, message, true) });
}
// A value read again until the matcher holds.
expect.poll = (read, { timeout = ExpectTimeout } = {}) => new Proxy({}, {
    get: (_, name) => async expected => {
        for (const end = Date.now() + timeout; ;) {
            const value = await read();
            try {
                return valueMatchers(value, '', false)[name](expected);
            } catch (error) {
                if (Date.now() > end)
                    throw error;
            }
            await sleep(100);
        }
    },
});

const scopes = [{}];
const Options = { viewport: ({ width, height }) => ({ width, height }) };

// Its pages, and the network turned off for all of them as Playwright's context does.
class Context {
    constructor(raw) {
        this.raw = raw;
        this.pages = [];
        this.offline = false;
    }
    async newPage(viewport = { width: 1280, height: 720 }) {
        const page = new Page(await this.raw.newPage());
        await page.raw.setViewport(viewport);
        await page.raw.setOfflineMode(this.offline);
        this.pages.push(page);
        return page;
    }
    async setOffline(offline) {
        this.offline = offline;
        for (const page of this.pages)
            await page.raw.setOfflineMode(offline);
    }
    close() { return this.raw.close(); }
}
const browserFixture = { newContext: async () => new Context(await (await browser()).createBrowserContext()) };

async function run(overrides, options, body) {
    const context = await browserFixture.newContext();
    try {
        const fixtures = { context, browser: browserFixture, baseURL: settings.baseURL };
        let use = page => body({ ...fixtures, page });
        // Playwright's order: the last extension's fixture sees the page of the one before.
        for (const override of overrides) {
            const inner = use;
            use = page => override({ page, baseURL: settings.baseURL }, inner);
        }
        await use(await context.newPage(options.viewport));
    } finally {
        await context.close();
    }
}

function makeTest(overrides) {
    const test = (name, body) => {
        const options = Object.assign({}, ...scopes);
        return nodeTest(name, { timeout: TestTimeout }, () => run(overrides, options, body));
    };
    test.extend = fixtures => {
        for (const name of Object.keys(fixtures)) {
            if (name !== 'page')
                throw new Error(`fixture ${name} is not offered in Firefox`);
        }
        return makeTest([fixtures.page, ...overrides]);
    };
    test.describe = (name, body) => describe(name, () => {
        scopes.push({});
        try {
            body();
        } finally {
            scopes.pop();
        }
    });
    test.use = options => {
        for (const [name, value] of Object.entries(options)) {
            if (!Options[name])
                throw new Error(`test.use({ ${name} }) is not offered in Firefox`);
            scopes[scopes.length - 1][name] = Options[name](value);
        }
    };
    return test;
}

export const test = makeTest([]);
