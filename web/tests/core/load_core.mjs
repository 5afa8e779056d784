// Loads the built module for the tests: Node's loader cannot fetch the .wasm
// from a file path, so its bytes are handed over.
import { readFile } from "node:fs/promises";
import { fileURLToPath, pathToFileURL } from "node:url";
import { join } from "node:path";

export const root = fileURLToPath(new URL("../../../", import.meta.url));
const build = process.env.WEB_CORE_BUILD ?? join(root, "build/web-core");

export async function loadCore() {
  const { default: createPl63Core } = await import(pathToFileURL(join(build, "pl63_core.js")).href);
  const wasmBinary = await readFile(join(build, "pl63_core.wasm"));
  return createPl63Core({ wasmBinary });
}

export async function example(name) {
  return new Uint8Array(await readFile(join(root, "examples", name)));
}

export const ENGLISH = 1;
export const CHINESE = 0;
