// The page's unit tests: each *.test.ts bundled for Node by esbuild (no type
// check; build.mjs does that) and run with Node's own test runner.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readdirSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";

const here = dirname(fileURLToPath(import.meta.url));
const out = mkdtempSync(join(tmpdir(), "pl63-unit-"));
try {
  const tests = readdirSync(here).filter((name) => name.endsWith(".test.ts"));
  await esbuild.build({
    entryPoints: tests.map((name) => join(here, name)),
    outdir: out,
    outExtension: { ".js": ".mjs" },
    bundle: true,
    platform: "node",
    format: "esm",
    target: "node20",
    logLevel: "warning",
  });
  execFileSync(process.execPath, ["--test", ...tests.map((name) => join(out, name.replace(/\.ts$/, ".mjs")))], { stdio: "inherit" });
} catch (error) {
  process.exitCode = 1;
  if (!error.status) console.error(error);
} finally {
  rmSync(out, { recursive: true, force: true });
}
