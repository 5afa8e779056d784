// Where the tests find the project's files and its native programs.
import { existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

export const repoRoot = resolve(dirname(fileURLToPath(import.meta.url)), '../../..');
// The CMake build folder holding pl63 and pl63-radiosim (make test's BUILD).
export const buildDir = resolve(repoRoot, process.env.PL63_BUILD ?? 'build');
export const webDir = resolve(repoRoot, process.env.PL63_WEB_DIR ?? join(buildDir, 'web'));

export function tool(name: string): string {
  const path = join(buildDir, 'tools', name);
  if (!existsSync(path)) throw new Error(`${path} is missing: build it first (make build)`);
  return path;
}

export const sampleDat = join(repoRoot, 'examples', 'sample.DAT');
export const sampleCsv = join(repoRoot, 'examples', 'sample_channels.csv');
