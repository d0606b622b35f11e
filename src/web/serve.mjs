// A static server for the page's folder on this machine only: node serve.mjs DIR [PORT].
// Prints the address it serves once it listens (PORT 0: any free port).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';

const root = resolve(process.argv[2] || '.');
const port = Number(process.argv[3] ?? 8080);
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
                '.mjs': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
                '.wasm': 'application/wasm', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root)) {
        response.writeHead(403).end();
        return;
    }
    try {
        const body = await readFile(file);
        response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream',
                                  'Cache-Control': 'no-cache' });
        response.end(body);
    } catch {
        response.writeHead(404).end();
    }
});
server.listen(port, '127.0.0.1', () => {
    console.log(`http://localhost:${server.address().port}/`);
});
