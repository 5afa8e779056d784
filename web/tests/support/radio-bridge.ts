// The test runner's half of the stand-in serial port: pl63-radiosim on a
// pseudo-terminal, opened raw like a serial device, its bytes handed to and
// from the page's navigator.serial through Playwright bindings.
import { spawn, spawnSync, type ChildProcess } from 'node:child_process';
import { closeSync, constants, openSync, readFileSync, writeSync } from 'node:fs';
import { ReadStream } from 'node:tty';
import { createInterface } from 'node:readline';
import type { BrowserContext, Page } from '@playwright/test';
import { tool } from './paths';

export interface SerialStandInConfig {
  chooser: 'pick' | 'cancel';  // what the user does in the port chooser
  granted: boolean;            // the port was allowed on an earlier visit
}

const standInSource = readFileSync(new URL('./serial-standin.js', import.meta.url), 'utf8');

// One pl63-radiosim process: the simulated radio with its fault options.
export class SimulatedRadio {
  readonly exited: Promise<number>;

  private constructor(private readonly child: ChildProcess, readonly device: string,
                      exited: Promise<number>) {
    this.exited = exited;
  }

  // Starts pl63-radiosim with ARGS (--load, --save, --stall-after N, ...) and
  // waits for the device path it prints.
  static async start(args: string[] = []): Promise<SimulatedRadio> {
    const child = spawn(tool('pl63-radiosim'), args, { stdio: ['ignore', 'pipe', 'pipe'] });
    let stderr = '';
    child.stderr!.on('data', (chunk) => { stderr += chunk; });
    const exited = new Promise<number>((resolve) => child.on('exit', (code, signal) => resolve(code ?? (signal ? 128 : 1))));
    const lines = createInterface({ input: child.stdout! });
    const device = await new Promise<string>((resolve, reject) => {
      lines.once('line', resolve);
      exited.then((code) => reject(new Error(`pl63-radiosim ${args.join(' ')} exited ${code}: ${stderr}`)));
    });
    return new SimulatedRadio(child, device, exited);
  }

  // SIGTERM, as a person's Ctrl-C; resolves with the exit code.
  async stop(): Promise<number> {
    if (this.child.exitCode === null && this.child.signalCode === null) this.child.kill('SIGTERM');
    return this.exited;
  }
}

// The device end a serial port holds: raw, non-blocking, bytes as they come.
class OpenDevice {
  private readonly input: ReadStream;
  private queue: number[] = [];
  private waiter: ((bytes: number[] | null) => void) | null = null;
  private lost = false;
  private readonly ownFdLeftOpen: boolean;

  constructor(private readonly fd: number) {
    this.input = new ReadStream(fd);
    // libuv reopens a pseudo-terminal for its handle and leaves our
    // descriptor open beside it; the radio sees the cable go only when both
    // are closed.
    const handleFd = (this.input as unknown as { _handle?: { fd?: number } })._handle?.fd;
    this.ownFdLeftOpen = handleFd !== undefined && handleFd !== fd;
    this.input.on('data', (chunk: Buffer) => {
      this.queue.push(...chunk);
      this.wake();
    });
    // EIO: the simulator closed its end, as a pulled cable does.
    this.input.on('error', () => { this.lost = true; this.wake(); });
    this.input.on('end', () => { this.lost = true; this.wake(); });
  }

  private wake() {
    if (!this.waiter || (!this.lost && this.queue.length === 0)) return;
    const waiter = this.waiter;
    this.waiter = null;
    waiter(this.take());
  }

  private take(): number[] | null {
    if (this.queue.length > 0) return this.queue.splice(0);
    return this.lost ? null : [];
  }

  // The bytes received so far, waiting for some when there are none yet;
  // null once the device is gone.
  read(): Promise<number[] | null> {
    if (this.queue.length > 0 || this.lost) return Promise.resolve(this.take());
    return new Promise((resolve) => { this.waiter = resolve; });
  }

  // A pending read returns empty-handed; received bytes stay for the next.
  cancelRead() {
    const waiter = this.waiter;
    this.waiter = null;
    waiter?.([]);
  }

  // Written at once, not through the thread pool: the page waits for each
  // frame to leave, and a transfer is a few hundred frames.
  async write(bytes: number[]) {
    let data = Buffer.from(bytes);
    while (data.length > 0) {
      let written = 0;
      try {
        written = writeSync(this.fd, data);
      } catch (error) {
        if ((error as NodeJS.ErrnoException).code !== 'EAGAIN') throw error;
      }
      data = data.subarray(written);
      // The line is full: let the radio take some first.
      if (data.length > 0) await new Promise((resolve) => setTimeout(resolve, 2));
    }
  }

  close() {
    this.cancelRead();
    this.input.destroy();
    if (this.ownFdLeftOpen) closeSync(this.fd);
  }
}

// What the page did with its port, for the tests to look at.
export interface SerialLog {
  chooserShown: number;
  opens: object[];            // the settings of each open()
  signals: object[];
  written: number[];          // every byte the page sent, in order
  opened: boolean;            // open now
}

// Installs the stand-in navigator.serial on the page (before its scripts)
// with its one port wired to whichever radio `radio()` names at open().
// Resolves with the log and a close() for the end of the test, which lets go
// of a device the page left open.
export async function wireSerial(target: Page | BrowserContext, radio: () => SimulatedRadio | null,
                                 config: SerialStandInConfig): Promise<{ log: SerialLog; close(): void }> {
  const log: SerialLog = { chooserShown: 0, opens: [], signals: [], written: [], opened: false };
  let device: OpenDevice | null = null;
  const need = () => {
    if (!device) throw new Error('the port is not open');
    return device;
  };
  await target.exposeBinding('__pl63SerialChooserShown', () => { log.chooserShown += 1; });
  await target.exposeBinding('__pl63SerialOpen', (_source, settings: object) => {
    const current = radio();
    if (!current) throw new Error('no radio is connected');
    // O_NOCTTY: the test runner must not take the terminal as its own.
    const fd = openSync(current.device, constants.O_RDWR | constants.O_NOCTTY | constants.O_NONBLOCK);
    const stty = spawnSync('stty', ['-F', current.device, 'raw', '-echo', '9600']);
    if (stty.status !== 0) {
      closeSync(fd);
      throw new Error(`stty: ${stty.stderr}`);
    }
    device = new OpenDevice(fd);
    log.opens.push(settings);
    log.opened = true;
  });
  await target.exposeBinding('__pl63SerialWrite', async (_source, bytes: number[]) => {
    log.written.push(...bytes);
    await need().write(bytes);
  });
  await target.exposeBinding('__pl63SerialRead', () => (device ? device.read() : null));
  await target.exposeBinding('__pl63SerialCancelRead', () => { device?.cancelRead(); });
  await target.exposeBinding('__pl63SerialSignals', (_source, signals: object) => { log.signals.push(signals); });
  await target.exposeBinding('__pl63SerialClose', () => {
    device?.close();
    device = null;
    log.opened = false;
  });
  await target.addInitScript({ content: standInSource.replace('})(__CONFIG__);', `})(${JSON.stringify(config)});`) });
  return { log, close: () => device?.close() };
}

// A browser without Web Serial (Firefox, Safari, phones).
export async function withoutWebSerial(target: Page | BrowserContext) {
  await target.addInitScript(() => {
    const gone = (owner: object, name: string) => delete (owner as Record<string, unknown>)[name];
    gone(Navigator.prototype, 'serial');
    gone(window, 'SerialPort');
    gone(window, 'Serial');
  });
}
