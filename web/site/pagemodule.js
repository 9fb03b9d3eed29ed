// A page's WebAssembly module, instantiated here without generated glue: it asks the page for
// nothing but to hear of its memory growing and of its end. Its functions take numbers; a text
// for them goes into its input buffer first, and what it gives back, a text or a series, comes as
// the start and length of a view of its memory. UTF-16 code units cross as they are, a lone
// surrogate too.

// The module's bytes, beside this script.
async function fetchModule(file) {
    const response = await fetch(new URL(file, import.meta.url), { credentials: 'same-origin' });
    if (!response.ok)
        throw new Error(`${file}: ${response.status}`);
    return response.arrayBuffer();
}

export class PageModule {
    #memory;

    // The module in `file`, beside this script.
    static async load(file) {
        return PageModule.instantiate(await fetchModule(file));
    }

    // Compiled on the spot: the browser compiles each function when it is first called, so this
    // takes a few milliseconds, and the first click waits for no other thread. A browser that
    // refuses to compile a module this size on the page's thread does it in the background.
    static async instantiate(bytes) {
        const imports = {
            env: { emscripten_notify_memory_growth() {} },
            wasi_snapshot_preview1: {
                proc_exit(code) {
                    throw new Error(`the module ended (${code})`);
                },
            },
        };
        try {
            return new PageModule(new WebAssembly.Instance(new WebAssembly.Module(bytes), imports));
        } catch (error) {
            if (!(error instanceof RangeError))
                throw error;
        }
        return new PageModule((await WebAssembly.instantiate(bytes, imports)).instance);
    }

    constructor(instance) {
        this.exports = instance.exports;
        this.#memory = instance.exports.memory;
        this.exports._initialize();
    }

    // The memory can grow in any call, which detaches views made before it.
    #view(Kind, at) {
        const [data, length] = new Uint32Array(this.#memory.buffer, at, 2);
        return new Kind(this.#memory.buffer, data, length);
    }

    text(at) {
        const units = this.#view(Uint16Array, at);
        let text = '';
        for (let i = 0; i < units.length; i += 8192)
            text += String.fromCharCode.apply(null, units.subarray(i, i + 8192));
        return text;
    }

    json(at) {
        return JSON.parse(this.text(at));
    }

    numbers(at) {
        return this.#view(Float64Array, at).slice();
    }

    bytes(at) {
        return this.#view(Uint8Array, at).slice();
    }

    // For the next call that reads the input buffer.
    write(text) {
        const at = this.exports.inputBuffer(text.length);
        const units = new Uint16Array(this.#memory.buffer, at, text.length);
        for (let i = 0; i < text.length; ++i)
            units[i] = text.charCodeAt(i);
    }

    // Writes `text` for `call`, which reads it, and returns what the call returns.
    withText(text, call) {
        this.write(text);
        return call();
    }
}
