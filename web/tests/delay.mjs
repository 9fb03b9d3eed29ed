// A module that arrives late, when the returned function is called: the window before the
// program can answer.
export async function holdModule(page, file = 'demos.wasm') {
    let release;
    const held = new Promise(resolve => { release = resolve; });
    await page.route(`**/${file}`, async route => {
        await held;
        await route.continue();
    });
    return release;
}
