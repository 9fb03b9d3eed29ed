// The program's form in the WebAssembly module that the page's early script compiles: the module
// holds the one form of the page, and its functions drive it. The loader's own work waits for the
// first paint.
export async function loadForm(program, compiled) {
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
