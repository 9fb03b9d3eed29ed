// The program's form in the WebAssembly module: the module holds the one form of the page, and its
// functions drive it. The module compiles while the window paints, from the request the page
// preloads; the loader's own work comes after the first paint.

// A server that sends the module under another type than application/wasm only makes it slower.
async function compile(url) {
    const fetched = () => fetch(url, { credentials: 'same-origin' });
    try {
        return await WebAssembly.compileStreaming(fetched());
    } catch {
        const response = await fetched();
        if (!response.ok)
            throw new Error(`${url}: ${response.status}`);
        return WebAssembly.compile(await response.arrayBuffer());
    }
}

export async function loadForm(program) {
    const compiled = compile(new URL('demos.wasm', import.meta.url));
    compiled.catch(() => {});
    if (!performance.getEntriesByName('first-contentful-paint').length)
        await new Promise(resolve => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const { default: createDemos } = await import('./demos.js');
    const module = await new Promise((resolve, reject) => {
        createDemos({
            instantiateWasm(imports, receive) {
                compiled.then(wasm => WebAssembly.instantiate(wasm, imports))
                    .then(instance => receive(instance), reject);
                return {};
            },
        }).then(resolve, reject);
    });
    module.open(program);
    return module;
}
