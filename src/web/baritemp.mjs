// Baritemp's conversion engine: `const engine = await createBaritemp();` in a browser or in
// Node, with no options. The module emscripten makes (baritemp-core.mjs) is for the web only:
// under Node this hands it the WebAssembly bytes itself, as Node's fetch reads no files.
import createBaritempCore from './baritemp-core.mjs';

const wasm = new URL('./baritemp.wasm', import.meta.url);

export default async function createBaritemp(options = {}) {
    const settings = { ...options, locateFile: () => wasm.href };
    const inNode = typeof process === 'object' && process.versions != null &&
                   process.versions.node != null;
    if (inNode && settings.wasmBinary === undefined) {
        const { readFile } = await import('node:fs/promises');
        settings.wasmBinary = await readFile(wasm);
    }
    return createBaritempCore(settings);
}
