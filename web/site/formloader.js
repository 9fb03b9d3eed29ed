// The program's form from the WebAssembly module that the page's early script compiles. The
// loader's own work waits for the first paint.
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
    return new module.WebForm(program);
}
