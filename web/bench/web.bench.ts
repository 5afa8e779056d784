// The page's benchmarks. Each prints its figures and a ratio against its
// limit; none fails on a slow machine.
//   read / write: the page against the simulated radio, over `pl63
//     read/write --port` against pl63-radiosim (limit 1.03): once with the
//     page's own simulated radio, once with pl63-radiosim itself behind the
//     stand-in serial port
//   first visit: every file the first visit loads (the service worker's
//     too), gzip -9 compressed, over 400 KB (400,000 bytes)
//   interactive: from navigation until Read frequency can be clicked and
//     the grid is there, headless, over 1 s
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync, brotliCompressSync, constants as zlib } from 'node:zlib';
import type { Page } from '@playwright/test';
import { expect, openPage, test } from '../tests/support/fixtures';
import { PageModel } from '../tests/support/page-model';
import { sampleDat, tool, webDir } from '../tests/support/paths';

const kRuns = 5;

const median = (values: number[]) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ratioLine = (what: string, ratio: number, limit: string) =>
  console.log(`${what} ratio ${ratio.toFixed(3)} (limit ${limit})`);

// Wall time of one command-line run, process start to exit.
function timeCli(args: string[]): Promise<number> {
  const start = performance.now();
  return new Promise((resolve, reject) => {
    const child = spawn(tool('pl63'), args, { stdio: 'ignore' });
    child.on('exit', (code) => (code === 0 ? resolve(performance.now() - start) : reject(new Error(`pl63 exited ${code}`))));
  });
}

// Click to the moment the page writes the success text, both seen in the
// page itself as they happen (only the changed nodes are looked at, so the
// watching costs the page no layout).
async function timePage(page: Page, button: () => Promise<void>, success: string): Promise<number> {
  await page.evaluate((text) => {
    (window as unknown as { __took: Promise<number> }).__took = new Promise((resolve) => {
      let clicked = 0;
      document.addEventListener('click', () => { clicked = performance.now(); }, { capture: true, once: true });
      const observer = new MutationObserver((records) => {
        if (!clicked || !records.some((r) => (r.target.textContent ?? '').includes(text))) return;
        observer.disconnect();
        resolve(performance.now() - clicked);
      });
      observer.observe(document.body, { subtree: true, childList: true, characterData: true });
    });
  }, success);
  await button();
  return page.evaluate(() => (window as unknown as { __took: Promise<number> }).__took);
}

// Both ends of the comparison meet the same disturbances: page and command
// line take turns, and the best runs are compared as well as the medians (a
// loaded machine slows the browser's many processes more than one program).
async function compare(verb: string, pageRun: () => Promise<number>, cliRun: () => Promise<number>) {
  const pageTimes: number[] = [], cliTimes: number[] = [];
  for (let run = 0; run < kRuns; run++) {
    pageTimes.push(await pageRun());
    cliTimes.push(await cliRun());
  }
  const s = (ms: number) => (ms / 1000).toFixed(3);
  console.log(`${verb}: page ${s(median(pageTimes))} s (best ${s(Math.min(...pageTimes))}), ` +
              `command line ${s(median(cliTimes))} s (best ${s(Math.min(...cliTimes))}), ${kRuns} runs each`);
  ratioLine(`${verb} (medians)`, median(pageTimes) / median(cliTimes), '1.03');
  ratioLine(`${verb} (best runs)`, Math.min(...pageTimes) / Math.min(...cliTimes), '1.03');
}

const kSuccess = { read: 'Read frequency success!', write: 'Write frequency success!' } as const;

test('read and write: the page over the command line against the same simulated radio', async ({ page, radio, serial, scratch }) => {
  const ui = new PageModel(page);
  await openPage(page);
  await ui.openFile(sampleDat);
  const sim = await radio.start(['--load', sampleDat]);
  for (const verb of ['read', 'write'] as const) {
    const cli = () => timeCli(verb === 'read' ? ['read', '--port', sim.device, '-o', join(scratch, 'cli.DAT')]
                                              : ['write', '--port', sim.device, sampleDat]);
    // The simulated radio in the page ("Try without a radio"), paced at 9600 baud.
    await ui.simulatedRadio.check();
    await compare(`${verb}, simulated radio in the page`, async () => {
      const took = await timePage(page, () => ui[verb].click(), kSuccess[verb]);
      await expect(ui[verb]).toBeEnabled();
      return took;
    }, cli);
    // pl63-radiosim through the stand-in serial port: the page's Web Serial
    // adapter, plus the test bridge's round trips through the browser.
    await ui.simulatedRadio.uncheck();
    await compare(`${verb}, pl63-radiosim through Web Serial`, async () => {
      const took = await timePage(page, () => ui[verb].click(), kSuccess[verb]);
      await expect.poll(() => serial.opened).toBe(false);
      return took;
    }, cli);
  }
});

test('first visit: compressed bytes of everything loaded, and the time until the page is interactive', async ({ browser, baseURL }) => {
  const times: number[] = [];
  let loaded = new Set<string>();
  for (let run = 0; run < kRuns; run++) {
    const context = await browser.newContext();  // a first visit: empty cache, no service worker
    const urls = new Set<string>();
    context.on('request', (request) => urls.add(new URL(request.url()).pathname));
    const page = await context.newPage();
    await page.addInitScript(() => {
      // The moment Read frequency is enabled beside a filled grid.
      const ready = () => [...document.querySelectorAll('button')].some((b) =>
        /^(Read frequency|读频)$/.test((b.getAttribute('aria-label') ?? b.textContent ?? '').trim()) && !b.disabled) &&
        document.querySelectorAll('[role=grid] [role=row]').length >= 17;
      new MutationObserver((_records, observer) => {
        if (!ready()) return;
        (window as unknown as { __interactive: number }).__interactive = performance.now();
        observer.disconnect();
      }).observe(document, { subtree: true, childList: true, attributes: true });
    });
    await page.goto(baseURL!);
    const at = await page.waitForFunction(() => (window as unknown as { __interactive?: number }).__interactive);
    times.push(await at.jsonValue() as number);
    await page.evaluate(() => navigator.serviceWorker?.ready.then(() => undefined));
    await page.waitForLoadState('networkidle');
    loaded = urls;
    await context.close();
  }
  let raw = 0, gzip = 0, brotli = 0;
  const files = new Set([...loaded].map((path) => join(webDir, path.endsWith('/') ? `${path}index.html` : path)));
  for (const file of files) {
    const bytes = readFileSync(file);
    raw += bytes.length;
    gzip += gzipSync(bytes, { level: 9 }).length;
    brotli += brotliCompressSync(bytes, { params: { [zlib.BROTLI_PARAM_QUALITY]: 11 } }).length;
  }
  console.log(`first visit: ${files.size} files, ${raw} bytes, ${gzip} gzip, ${brotli} brotli`);
  ratioLine('first visit size (gzip)', gzip / 400_000, '1.0');
  console.log(`interactive: ${times.map((t) => t.toFixed(0)).join(', ')} ms`);
  ratioLine('interactive (median)', median(times) / 1000, '1.0');
});
