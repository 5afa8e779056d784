// Serves a built site (build/web) on http://localhost:PORT for a try: static
// files only, the right type for .wasm, nothing outside the folder.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize, resolve, sep } from "node:path";

const root = resolve(process.argv[2] ?? "build/web");
const port = Number(process.argv[3] ?? 8080);

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".png": "image/png",
  ".ico": "image/x-icon",
  ".txt": "text/plain; charset=utf-8",
};

async function fileFor(urlPath) {
  const path = normalize(join(root, decodeURIComponent(urlPath.split("?")[0])));
  if (path !== root && !path.startsWith(root + sep)) return null;
  const info = await stat(path).catch(() => null);
  if (!info) return null;
  return info.isDirectory() ? join(path, "index.html") : path;
}

createServer(async (request, response) => {
  const path = await fileFor(request.url ?? "/");
  const body = path && (await readFile(path).catch(() => null));
  if (!body) {
    response.writeHead(404, { "content-type": "text/plain" });
    response.end("not found\n");
    return;
  }
  response.writeHead(200, {
    "content-type": types[extname(path)] ?? "application/octet-stream",
    "cache-control": "no-cache",
  });
  response.end(body);
}).listen(port, "127.0.0.1", () => {
  console.log(`pl63 at http://localhost:${port}/ (serving ${root}); Ctrl-C stops`);
});
