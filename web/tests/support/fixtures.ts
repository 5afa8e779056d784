// The fixtures every browser test uses: the page served from build/web/,
// navigator.serial wired to a simulated radio, and helpers that act as a
// user does (buttons and dialogs found by their captions).
import { test as base, expect, type Download, type Page } from '@playwright/test';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { SimulatedRadio, wireSerial, withoutWebSerial, type SerialLog, type SerialStandInConfig } from './radio-bridge';
import { tool } from './paths';

export interface SerialOptions {
  // false: a browser without Web Serial.
  webSerial: boolean;
  standIn: SerialStandInConfig;
}

// The radio behind the port; start() again replaces it (a new session,
// other faults).
export class RadioRig {
  current: SimulatedRadio | null = null;
  readonly started: SimulatedRadio[] = [];

  async start(args: string[] = []): Promise<SimulatedRadio> {
    await this.current?.stop();
    this.current = await SimulatedRadio.start(args);
    this.started.push(this.current);
    return this.current;
  }

  async dispose() {
    await Promise.all(this.started.map((radio) => radio.stop()));
  }
}

interface Fixtures {
  serialOptions: SerialOptions;
  radio: RadioRig;
  serial: SerialLog;
  scratch: string;   // a folder of this test's own, removed afterwards
}

export const test = base.extend<Fixtures>({
  baseURL: async ({}, use) => use(process.env.PL63_WEB_URL),
  serialOptions: [{ webSerial: true, standIn: { chooser: 'pick', granted: false } }, { option: true }],
  radio: async ({}, use) => {
    const rig = new RadioRig();
    await use(rig);
    await rig.dispose();
  },
  // Every page gets it before its first visit, whether the test looks at the log or not.
  serial: [async ({ page, radio, serialOptions }, use) => {
    if (!serialOptions.webSerial) {
      await withoutWebSerial(page);
      await use({ chooserShown: 0, opens: [], signals: [], written: [], opened: false });
      return;
    }
    const wiring = await wireSerial(page, () => radio.current, serialOptions.standIn);
    await use(wiring.log);
    wiring.close();
  }, { auto: true }],
  scratch: async ({}, use) => {
    const dir = mkdtempSync(join(tmpdir(), 'pl63-web-'));
    await use(dir);
    rmSync(dir, { recursive: true, force: true });
  },
});

export { expect };

// The page as a first visit shows it, ready for use.
export async function openPage(page: Page) {
  await page.goto('/');
  await expect(toolbarButton(page, 'Read frequency', '读频')).toBeEnabled();
}

// A toolbar button by its caption in either language.
export function toolbarButton(page: Page, en: string, zh: string) {
  return page.getByRole('button', { name: new RegExp(`^(${escape(en)}|${escape(zh)})$`) }).first();
}

function escape(text: string) {
  return text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
}

// Runs the native command line; fails the test on a non-zero exit.
export function pl63(...args: string[]): string {
  const run = spawnSync(tool('pl63'), args, { encoding: 'utf8' });
  if (run.status !== 0) throw new Error(`pl63 ${args.join(' ')} exited ${run.status}: ${run.stderr}`);
  return run.stdout;
}

// The bytes of a download the page offered.
export async function downloadedBytes(download: Download): Promise<Buffer> {
  const path = await download.path();
  if (!path) throw new Error(`download ${download.suggestedFilename()} failed: ${await download.failure()}`);
  return readFileSync(path);
}
