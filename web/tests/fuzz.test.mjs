// Random use of each page: clicks, keys, typing, pastes and answers to the message box, from a
// seed printed with the results so that a failure can be replayed (FUZZ_SEED=N), for FUZZ_SECONDS
// a page (20 unless set). Fails on any console error, page error, policy violation or request to
// another host, and unless the window still answers its typical click as a fresh page does.
import { defaultButton, expect, layouts, openProgram, programs, test, units } from './fixtures.mjs';

const seconds = Number(process.env.FUZZ_SECONDS || 20);
const firstSeed = Number(process.env.FUZZ_SEED || 20261209);

// Small and fast, and the same on every machine for a seed.
function randomSource(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const below = count => Math.floor(next() * count);
    return { next, below, pick: list => list[below(list.length)] };
}

const keys = ['Tab', 'Shift+Tab', 'Enter', 'Space', 'Escape', 'Backspace', 'Delete', 'ArrowLeft',
    'ArrowRight', 'Shift+ArrowLeft', 'Shift+ArrowRight', 'Home', 'End', 'Shift+Home', 'Control+A'];
const typed = ['1', '9', '0', ' ', '-', '.', ',', 'E', '+', '1e+39', '32768', 'я', '\u00A0'];
const separators = [' ', '  ', '\r\n', '\n', '\r', '\t', '\u00A0', '\u202F', '\u2028', '\u2029'];
const pieces = ['0', '-1', '3.5', '1E+39', '-1e400', '2147483648', '0,5', '\uD800', '\uDFFF', '\u{1D7D8}',
    'abc', '', '12345678901234567890'];

function pasteText(random) {
    const count = random.below(12) + 1;
    let text = '';
    for (let i = 0; i < count; ++i)
        text += random.pick(pieces) + random.pick(separators);
    // Sometimes as long as a box holds, ending in half of a pair.
    if (random.below(8) === 0)
        text = (text.repeat(Math.ceil(32767 / text.length)).slice(0, 32766) + '\uD83D');
    return text;
}

async function paste(page, box, text) {
    await page.locator(`#${box}`).evaluate((input, codes) => {
        input.focus();
        const data = new DataTransfer();
        data.setData('text/plain', String.fromCharCode(...codes));
        input.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, units(text));
}

async function clickInside(page, random, box) {
    if (box)
        await page.mouse.click(box.x + random.next() * box.width, box.y + random.next() * box.height);
}

// What the next step can do, in one round trip; null while the page is elsewhere or loading.
async function windowState(page, program) {
    if (!page.url().endsWith(`/${program}.html`))
        return null;
    return page.evaluate(() => {
        const place = id => {
            const { x, y, width, height } = document.getElementById(id).getBoundingClientRect();
            return width ? { x, y, width, height } : null;
        };
        const ready = window.demosPage?.dispatch && document.getElementById('ended').hidden;
        return ready && {
            messageOpen: document.getElementById('message').open,
            window: place('window'),
            message: place('message'),
            ok: place('messageOk'),
        };
    }).catch(() => null);
}

// Back to a window that answers: on the program's page, with no message box and not ended.
async function backToWindow(page, program) {
    if (!page.url().endsWith(`/${program}.html`))
        await openProgram(page, program);
    for (let i = 0; i < 20 && await page.locator('#message').isVisible(); ++i)
        await page.keyboard.press('Escape');
    if (await page.locator('#ended').isVisible())
        await openProgram(page, program);
}

// Every caption and text of the window after the typical click on the start texts.
async function typicalResult(page, program) {
    const layout = layouts[program];
    for (const control of layout.controls.filter(control => control.kind === 'TextBox'))
        await page.fill(`#${control.name}`, control.caption);
    await page.click(`#${defaultButton(program)}`);
    await expect(page.locator('#message')).toBeHidden();
    return page.locator('#form').evaluate(form =>
        Array.from(form.querySelectorAll('[data-kind]'), e => [e.id, e.localName === 'input' ? e.value : e.textContent]));
}

for (const [number, program] of programs.entries()) {
    test(`${program}: random use leaves no error and a window that answers`, async ({ page, context }) => {
        test.setTimeout((seconds + 60) * 1000);
        const seed = firstSeed + number;
        console.log(`fuzz ${program}: seed ${seed}, ${seconds} s`);
        test.info().annotations.push({ type: 'seed', description: String(seed) });
        const random = randomSource(seed);
        const boxes = layouts[program].controls.filter(control => control.kind === 'TextBox').map(c => c.name);
        await openProgram(page, program);
        let steps = 0;
        for (const end = Date.now() + seconds * 1000; Date.now() < end; ++steps) {
            const state = await windowState(page, program);
            if (!state) {
                await backToWindow(page, program);
                continue;
            }
            const action = random.below(10);
            if (state.messageOpen && action < 3) {
                // An answer to the message box, by a key or by its button.
                const answer = random.pick(['Enter', 'Space', 'Escape', 'click']);
                if (answer === 'click')
                    await clickInside(page, random, state.ok);
                else
                    await page.keyboard.press(answer);
            } else if (action < 5) {
                await clickInside(page, random, state.messageOpen ? state.message : state.window);
            } else if (action < 7) {
                await page.keyboard.press(random.pick(keys));
            } else if (action < 8) {
                await page.keyboard.type(random.pick(typed));
            } else if (!state.messageOpen) {
                await paste(page, random.pick(boxes), pasteText(random));
            }
            expect(page.problems, `after step ${steps}, seed ${seed}`).toEqual([]);
        }
        console.log(`fuzz ${program}: ${steps} steps`);

        await backToWindow(page, program);
        const fresh = await context.newPage();
        await openProgram(fresh, program);
        expect(await typicalResult(page, program)).toEqual(await typicalResult(fresh, program));
    });
}
