// Serves a folder on 127.0.0.1 with the types browsers need (the module as application/wasm),
// logging no requests. Prints the URL once listening. Usage: serve.mjs FOLDER [PORT]
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

const root = normalize(process.argv[2] || '.');
const port = Number(process.argv[3] || 0);
const types = {
    '.html': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.woff2': 'font/woff2',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
    '.txt': 'text/plain; charset=utf-8',
};

const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (path.endsWith('/'))
        path += 'index.html';
    const file = normalize(join(root, path));
    let size = -1;
    try {
        if (file === root || file.startsWith(root + sep))
            size = statSync(file).isFile() ? statSync(file).size : -1;
    } catch {
        size = -1;
    }
    if (size < 0 || (request.method !== 'GET' && request.method !== 'HEAD')) {
        response.writeHead(404, { 'Content-Type': 'text/plain' });
        response.end('not found');
        return;
    }
    response.writeHead(200, {
        'Content-Type': types[extname(file)] || 'application/octet-stream',
        'Content-Length': size,
        'Cache-Control': 'no-cache',
    });
    if (request.method === 'HEAD')
        response.end();
    else
        createReadStream(file).pipe(response);
});
server.listen(port, '127.0.0.1', () => {
    console.log(`http://127.0.0.1:${server.address().port}/`);
});
