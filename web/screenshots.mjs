// The README's pictures of the page: serves a built site, opens it in
// Debian's headless Chromium at 1366x768 in each language with the sample
// codeplug opened, and saves the pictures. Also says whether the grid would
// scroll sideways (it must not).
//
//   node web/screenshots.mjs [--site build/web] [--out docs/screenshots] [--prefix web]
import { createServer } from "node:http";
import { readFileSync, existsSync, statSync } from "node:fs";
import { dirname, extname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { chromium } from "@playwright/test";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "..");
function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 && process.argv[at + 1] ? process.argv[at + 1] : fallback;
}
const site = resolve(option("--site", join(root, "build", "web")));
const out = resolve(option("--out", join(root, "docs", "screenshots")));
const prefix = option("--prefix", "web");

const types = { ".html": "text/html", ".js": "text/javascript", ".mjs": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".svg": "image/svg+xml", ".png": "image/png", ".json": "application/json",
  ".webmanifest": "application/manifest+json" };

const server = createServer((request, response) => {
  let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
  if (path.endsWith("/")) path += "index.html";
  const file = join(site, path);
  if (!file.startsWith(site) || !existsSync(file) || statSync(file).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
  response.end(readFileSync(file));
});
await new Promise((done) => server.listen(0, "127.0.0.1", done));
const url = `http://127.0.0.1:${server.address().port}/`;

const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run"],
});
try {
  for (const [language, locale] of [["en", "en-US"], ["zh", "zh-CN"]]) {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, locale, serviceWorkers: "block" });
    const page = await context.newPage();
    page.on("pageerror", (error) => console.error(`page error: ${error.message}`));
    await page.goto(url);
    await page.waitForSelector("#Grid1");
    // The sample codeplug, opened as a user would.
    const chooser = page.waitForEvent("filechooser");
    await page.getByRole("button", { name: language === "en" ? "Open" : "打开", exact: true }).click();
    await (await chooser).setFiles(join(root, "examples", "sample.DAT"));
    await page.waitForTimeout(300);
    // No hover left on the button for the picture.
    await page.mouse.move(1000, 700);
    const sideways = await page.evaluate(() => document.documentElement.scrollWidth > document.documentElement.clientWidth);
    const picture = join(out, `${prefix}_${language}.png`);
    await page.screenshot({ path: picture });
    console.log(`${picture}${sideways ? "  (WARNING: the page scrolls sideways)" : ""}`);
    await context.close();
  }
} finally {
  await browser.close();
  server.close();
}
