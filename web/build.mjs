// Builds the page into a folder any static host can serve (index.html at its
// root): type-checks the TypeScript, bundles the page and the service worker
// with esbuild, and copies the core (WebAssembly), the icons, the sample
// codeplug and the static files beside them. The service worker gets the list
// of every file and a cache name that changes whenever one of them does.
//
//   node web/build.mjs [--out build/web] [--core build/web-core] [--no-check]
import { execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { copyFileSync, existsSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { dirname, join, relative, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import * as esbuild from "esbuild";

const web = dirname(fileURLToPath(import.meta.url));
const root = resolve(web, "..");

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 && process.argv[at + 1] ? resolve(process.argv[at + 1]) : fallback;
}
const out = option("--out", join(root, "build", "web"));
const coreDir = option("--core", join(root, "build", "web-core"));
const check = !process.argv.includes("--no-check");

// The version About shows comes from the core; the cache name carries it too.
function projectVersion() {
  const cmake = readFileSync(join(root, "CMakeLists.txt"), "utf8");
  return /project\(\s*pl63\s+VERSION\s+([0-9.]+)/.exec(cmake)?.[1] ?? "0";
}

function typeCheck() {
  const tsc = join(web, "node_modules", "typescript", "bin", "tsc");
  for (const project of ["tsconfig.json", "tsconfig.sw.json"]) {
    execFileSync(process.execPath, [tsc, "--noEmit", "-p", join(web, project)], { stdio: "inherit" });
  }
}

function copyTree(from, to) {
  mkdirSync(to, { recursive: true });
  for (const name of readdirSync(from)) {
    const source = join(from, name);
    if (statSync(source).isDirectory()) copyTree(source, join(to, name));
    else copyFileSync(source, join(to, name));
  }
}

function filesUnder(folder) {
  return readdirSync(folder).flatMap((name) => {
    const path = join(folder, name);
    return statSync(path).isDirectory() ? filesUnder(path) : [path];
  });
}

function copyCore() {
  const files = existsSync(coreDir) ? readdirSync(coreDir).filter((name) => /^pl63_core\.(js|wasm)$/.test(name)) : [];
  if (files.length < 2) {
    console.warn(`build.mjs: no pl63_core.js/.wasm in ${relative(root, coreDir)} (run make web-core); the page will not start without them`);
  }
  for (const name of files) copyFileSync(join(coreDir, name), join(out, name));
}

function copyIcons() {
  const icons = join(out, "icons");
  mkdirSync(icons, { recursive: true });
  for (const name of readdirSync(join(root, "packaging", "icons"))) {
    copyFileSync(join(root, "packaging", "icons", name), join(icons, name));
  }
}

function writeManifest(version) {
  const sizes = [48, 64, 128, 256];
  const manifest = {
    name: "pl63",
    short_name: "pl63",
    description: "PL-63 programming software / PL-63 对讲机编程软件",
    version,
    start_url: "./",
    scope: "./",
    display: "standalone",
    background_color: "#efefef",
    theme_color: "#2d5fa8",
    icons: [
      { src: "icons/pl63.svg", sizes: "any", type: "image/svg+xml" },
      ...sizes.map((size) => ({ src: `icons/pl63-${size}.png`, sizes: `${size}x${size}`, type: "image/png" })),
    ],
  };
  writeFileSync(join(out, "manifest.webmanifest"), JSON.stringify(manifest, null, 2) + "\n");
}

async function build() {
  if (check) typeCheck();
  rmSync(out, { recursive: true, force: true });
  mkdirSync(out, { recursive: true });
  const version = projectVersion();

  await esbuild.build({
    entryPoints: [join(web, "src", "main.ts")],
    outfile: join(out, "app.js"),
    bundle: true,
    format: "esm",
    target: "es2022",
    minify: true,
    legalComments: "none",
    logLevel: "warning",
  });
  copyTree(join(web, "public"), out);
  copyIcons();
  copyFileSync(join(root, "examples", "sample.DAT"), join(out, "sample.DAT"));
  copyCore();
  writeManifest(version);

  // Every file so far, as the service worker's scope sees it; "./" is the
  // page when it is asked for by its folder.
  const files = filesUnder(out).map((path) => relative(out, path).split("\\").join("/")).sort();
  const digest = createHash("sha256");
  for (const file of files) digest.update(file).update(readFileSync(join(out, file)));
  const cacheName = `pl63-${version}-${digest.digest("hex").slice(0, 12)}`;
  await esbuild.build({
    entryPoints: [join(web, "src", "sw.ts")],
    outfile: join(out, "sw.js"),
    bundle: true,
    format: "iife",
    target: "es2022",
    minify: true,
    logLevel: "warning",
    define: {
      PRECACHE_FILES: JSON.stringify(["./", ...files]),
      CACHE_NAME: JSON.stringify(cacheName),
    },
  });
  console.log(`build.mjs: ${files.length + 1} files in ${relative(root, out) || "."} (cache ${cacheName})`);
}

build().catch((error) => {
  console.error(error.message ?? error);
  process.exit(1);
});
