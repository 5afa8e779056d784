// The browser's host of the core's link engine: the port (a Web Serial cable
// or the simulated radio), the two timers, and the status line, progress bar
// and Cancel button the engine drives. The engine owns the dialogue; this
// only moves bytes and ticks.
import type { Document, Link, LinkCallbacks, LinkOutcome, Pl63Core, RadioSimulator } from "../core/pl63_core";
import { SerialLine } from "./serial/serial_line";
import { SimulatedPort } from "./serial/simulated_port";
import type { MessageBoxes } from "./dialogs";
import type { Texts } from "./texts";

const TIMER1_MS = 500;
const TIMER2_MS = 200;

export interface TransferView {
  status(text: string): void;
  statusVisible(visible: boolean): void;
  progressShow(maximum: number): void;
  progress(value: number): void;
  progressHide(): void;
  commandsEnabled(enabled: boolean): void;
  /** Cancel (button and Escape) offered while a read or write runs. */
  cancellable(on: boolean): void;
  /** A transfer put new data into the document (a read) or marked it written. */
  documentChanged(): void;
}

export type PortSource = "cable" | "simulator";

export class Transfer {
  readonly link: Link;
  source: PortSource;
  private line: SerialLine | null = null;
  private cablePort: SerialPort | null = null;
  private simulator: RadioSimulator | null = null;
  private simulatedPort: SimulatedPort | null = null;
  private timer1: ReturnType<typeof setInterval> | undefined;
  private timer2: ReturnType<typeof setInterval> | undefined;
  private opening = false;
  private verifyTimer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly core: Pl63Core,
    document: Document,
    private readonly view: TransferView,
    private readonly messages: MessageBoxes,
    private readonly texts: Texts,
    private readonly sampleDat: () => Promise<Uint8Array>,
  ) {
    this.source = hasWebSerial() ? "cable" : "simulator";
    this.link = new core.Link(document, this.callbacks());
  }

  busy(): boolean {
    return this.opening || this.link.busy();
  }

  read(): Promise<void> {
    return this.run(() => this.link.startRead(), true);
  }

  write(verify: boolean): Promise<void> {
    return this.run(() => this.link.startWrite(verify), true);
  }

  /** The password window's Create; the refusal text when the core refuses before any byte moves. */
  async changePassword(oldPassword: string, newPassword: string, confirm: string): Promise<string> {
    let refusal = "";
    await this.run(() => {
      const outcome = this.link.startPasswordChange(oldPassword, newPassword, confirm);
      refusal = outcome.ok ? "" : outcome.message;
      return outcome.ok;
    }, false);
    return refusal;
  }

  /** The port the user picked in the port window; Read and Write use it from now on. */
  useCablePort(port: SerialPort): void {
    this.cablePort = port;
  }

  /** Cancel button and Escape: the engine sends the end frame and stops. */
  cancel(): void {
    this.link.cancel();
  }

  /** The simulated radio's memory now (for tests and a look after a write). */
  simulatedRadio(): RadioSimulator | null {
    return this.simulator;
  }

  private async run(start: () => boolean, cancellable: boolean): Promise<void> {
    if (this.busy()) return;
    this.opening = true;
    try {
      this.line = await this.openLine();
    } catch (error) {
      this.opening = false;
      if (error instanceof DOMException && error.name === "NotFoundError") {
        // The user closed the browser's chooser without picking a port.
        void this.messages.tell(this.texts.page("noPortChosen"));
      } else {
        void this.messages.tell(`${this.texts.page("portOpenFailed")}${errorText(error)}`, 16);
      }
      return;
    }
    this.opening = false;
    if (cancellable) this.view.cancellable(true);
    if (!start()) {
      this.view.cancellable(false);
      await this.closeLine();
    }
  }

  private async openLine(): Promise<SerialLine> {
    const port = this.source === "simulator" ? await this.simulatedRadioPort() : await this.cable();
    return SerialLine.open(port, {
      bytes: (data) => this.toLink(() => this.link.received(data)),
      breakSeen: () => this.toLink(() => this.link.breakSeen()),
      // A pulled cable: the engine's own time-out tells the user.
      lost: () => undefined,
    });
  }

  private async cable(): Promise<SerialPort> {
    const serial = navigator.serial;
    if (!serial) throw new DOMException(this.texts.page("noWebSerial"), "NotSupportedError");
    // The port granted earlier (this visit or a previous one) is used again
    // without asking; the browser's chooser comes up only the first time.
    if (!this.cablePort) this.cablePort = (await serial.getPorts())[0] ?? (await serial.requestPort());
    return this.cablePort;
  }

  private async simulatedRadioPort(): Promise<SerialPort> {
    if (!this.simulator) {
      const simulator = new this.core.RadioSimulator();
      simulator.loadDat(await this.sampleDat());
      this.simulator = simulator;
      this.simulatedPort = new SimulatedPort(simulator);
    }
    return this.simulatedPort!;
  }

  private async closeLine(): Promise<void> {
    const line = this.line;
    this.line = null;
    await line?.close();
  }

  private setTimer(which: 1 | 2, running: boolean): void {
    const current = which === 1 ? this.timer1 : this.timer2;
    if (running && current !== undefined) return;
    if (!running) {
      if (current !== undefined) clearInterval(current);
      if (which === 1) this.timer1 = undefined;
      else this.timer2 = undefined;
      return;
    }
    const id = globalThis.setInterval(() => this.toLink(() => (which === 1 ? this.link.tick1() : this.link.tick2())), which === 1 ? TIMER1_MS : TIMER2_MS);
    if (which === 1) this.timer1 = id;
    else this.timer2 = id;
  }

  // An event into the engine. A write that is to be verified ends without
  // `ended`: the engine waits, and after the radio's pause the same port
  // reads it back.
  private toLink(event: () => void): void {
    event();
    if (!this.link.verifyPending() || this.verifyTimer !== undefined) return;
    this.view.documentChanged();
    this.verifyTimer = globalThis.setTimeout(() => {
      this.verifyTimer = undefined;
      this.toLink(() => this.link.continueVerify());
    }, this.core.verifyPauseMs());
  }

  private ended(outcome: LinkOutcome): void {
    if (this.verifyTimer !== undefined) {
      // Cancelled during the pause before the read-back.
      clearTimeout(this.verifyTimer);
      this.verifyTimer = undefined;
    }
    this.view.documentChanged();
    this.view.cancellable(false);
    void this.closeLine();
    void outcome;
  }

  private callbacks(): LinkCallbacks {
    return {
      portIsOpen: () => this.line !== null,
      send: (bytes) => this.line?.send(bytes),
      timer1: (running) => this.setTimer(1, running),
      timer2: (running) => this.setTimer(2, running),
      status: (text) => this.view.status(text),
      statusVisible: (visible) => this.view.statusVisible(visible),
      progressShow: (maximum) => this.view.progressShow(maximum),
      progress: (value) => this.view.progress(value),
      progressHide: () => this.view.progressHide(),
      commandsEnabled: (enabled) => this.view.commandsEnabled(enabled),
      message: (text, style) => void this.messages.tell(text, style),
      ended: (outcome) => this.ended(outcome),
    };
  }
}

export function hasWebSerial(): boolean {
  return typeof navigator !== "undefined" && "serial" in navigator && navigator.serial !== undefined;
}

// The browser's reason without the exception's class name in front.
function errorText(error: unknown): string {
  return error instanceof Error ? error.message : String(error);
}
