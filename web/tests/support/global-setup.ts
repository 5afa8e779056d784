// Serves build/web/ on a free localhost port for the whole run; the workers
// find its address in PL63_WEB_URL.
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { serveStatic } from './static-server.mjs';
import { webDir } from './paths';

export default async function globalSetup() {
  if (!existsSync(join(webDir, 'index.html'))) {
    throw new Error(`${webDir}/index.html is missing: build the page first (make web)`);
  }
  const { server, url } = await serveStatic(webDir);
  process.env.PL63_WEB_URL = url;
  return () => new Promise<void>((resolve) => server.close(() => resolve()));
}
