// A tiny static file server for build/web/ on localhost: what any static host
// does, with the types a browser insists on (application/wasm for streaming
// compilation, a JavaScript type for the service worker) and no caching, so
// a rebuilt page and its service worker are always fetched fresh.
import { createServer } from 'node:http';
import { createReadStream, statSync } from 'node:fs';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.webmanifest': 'application/manifest+json; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
  '.csv': 'text/csv; charset=utf-8',
  '.dat': 'application/octet-stream',
};

// The file a request path names inside root, or null when it names none
// (or tries to climb out of root).
function fileFor(root, urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath.split('?')[0].split('#')[0]);
  } catch {
    return null;
  }
  const full = normalize(join(root, path));
  if (full !== root && !full.startsWith(root + sep)) return null;
  try {
    const stat = statSync(full);
    if (stat.isDirectory()) return fileFor(root, join(path, 'index.html'));
    return stat.isFile() ? { full, size: stat.size } : null;
  } catch {
    return null;
  }
}

// Serves root on host:port (0 picks a free port); resolves with the server
// and its address once it listens.
export function serveStatic(rootDir, { port = 0, host = '127.0.0.1', log = false } = {}) {
  const root = resolve(rootDir);
  const server = createServer((request, response) => {
    const file = request.method === 'GET' || request.method === 'HEAD'
      ? fileFor(root, request.url ?? '/') : null;
    if (log) console.log(`${request.method} ${request.url} ${file ? 200 : 404}`);
    if (!file) {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
      response.end('not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes[extname(file.full).toLowerCase()] ?? 'application/octet-stream',
      'Content-Length': file.size,
      'Cache-Control': 'no-cache',
      'X-Content-Type-Options': 'nosniff',
    });
    if (request.method === 'HEAD') response.end();
    else createReadStream(file.full).pipe(response);
  });
  return new Promise((resolveListen, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      const address = server.address();
      resolveListen({ server, url: `http://${host}:${address.port}` });
    });
  });
}

// node static-server.mjs DIR [PORT]: serve DIR until Ctrl-C.
if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [dir = 'build/web', port = '8080'] = process.argv.slice(2);
  const { url } = await serveStatic(dir, { port: Number(port), log: true });
  console.log(`serving ${resolve(dir)} on ${url}`);
}
