// "Try without a radio": the core's simulated radio behind an object of the
// same shape as a Web Serial port, so the page's serial adapter runs unchanged
// against it. Bytes cross the line at the cable's speed, 9600 baud with ten
// bits per byte, in both directions: what the page writes reaches the radio
// only after its transmit time, and the radio's answer arrives byte time
// after byte time, as over a real cable.

/** One arrival from the radio: some bytes, possibly after a break on the line. */
export interface RadioArrival {
  breakBefore: boolean;
  bytes: Uint8Array;
}

/** The radio's side of the dialogue, as the core's simulator offers it. */
export interface RadioSide {
  receive(fromPc: Uint8Array): RadioArrival[];
}

export const BITS_PER_BYTE = 10;

export function byteTimeMs(baudRate: number): number {
  return (BITS_PER_BYTE * 1000) / baudRate;
}

/** Time source and timer, injectable so tests can run the line without sleeping. */
export interface LineClock {
  now(): number;
  at(time: number, action: () => void): void;
}

// Chromium stretches a timer set from inside another timer's callback (five
// deep or more) to 4 ms, and every arrival here is set from the one before:
// each one-byte acknowledge would wait four byte times. A timer set from a
// message task starts a fresh chain, so each one is set from there.
const pendingTimers: (() => void)[] = [];
let timerHop: MessageChannel | null = null;

function setTimerOutsideChain(set: () => void): void {
  if (!timerHop) {
    timerHop = new MessageChannel();
    timerHop.port1.onmessage = () => {
      pendingTimers.shift()?.();
      // An open channel keeps Node's event loop (the unit tests) alive.
      if (pendingTimers.length === 0) {
        timerHop?.port1.close();
        timerHop = null;
      }
    };
  }
  pendingTimers.push(set);
  timerHop.port2.postMessage(null);
}

export const realClock: LineClock = {
  now: () => performance.now(),
  at: (time, action) => {
    setTimerOutsideChain(() => setTimeout(action, Math.max(0, time - performance.now())));
  },
};

export class SimulatedPort extends EventTarget implements SerialPort {
  readable: ReadableStream<Uint8Array> | null = null;
  writable: WritableStream<Uint8Array> | null = null;

  private byteMs = byteTimeMs(9600);
  // When each direction of the line is free again.
  private toRadioFreeAt = 0;
  private fromRadioFreeAt = 0;
  private controller: ReadableStreamDefaultController<Uint8Array> | null = null;
  private opened = false;
  // Bumped by close(): deliveries scheduled before it are dropped.
  private session = 0;

  constructor(
    private readonly radio: RadioSide,
    private readonly clock: LineClock = realClock,
  ) {
    super();
  }

  getInfo(): SerialPortInfo {
    return {};
  }

  async setSignals(): Promise<void> {}

  async open(options: SerialOptions): Promise<void> {
    if (this.opened) throw new DOMException("The port is already open.", "InvalidStateError");
    this.opened = true;
    this.byteMs = byteTimeMs(options.baudRate);
    this.toRadioFreeAt = this.fromRadioFreeAt = this.clock.now();
    this.readable = this.newReadable();
    this.writable = new WritableStream<Uint8Array>({
      write: (chunk) => this.transmit(chunk),
    });
  }

  async close(): Promise<void> {
    if (!this.opened) throw new DOMException("The port is not open.", "InvalidStateError");
    if (this.readable?.locked || this.writable?.locked) {
      throw new TypeError("Cannot close a port while its streams are locked.");
    }
    await this.readable?.cancel().catch(() => undefined);
    await this.writable?.close().catch(() => undefined);
    this.readable = this.writable = null;
    this.controller = null;
    this.opened = false;
    this.session++;
  }

  private newReadable(): ReadableStream<Uint8Array> {
    return new ReadableStream<Uint8Array>({
      start: (controller) => {
        this.controller = controller;
      },
      cancel: () => {
        this.controller = null;
      },
    });
  }

  private transmit(chunk: Uint8Array): void {
    const bytes = chunk.slice();
    const start = Math.max(this.clock.now(), this.toRadioFreeAt);
    const arrived = start + bytes.length * this.byteMs;
    this.toRadioFreeAt = arrived;
    const session = this.session;
    // Bytes on the wire reach the radio even if the port closes meanwhile;
    // only its answers then find nobody listening.
    this.clock.at(arrived, () => {
      for (const arrival of this.radio.receive(bytes)) this.sendBack(arrival, arrived, session);
    });
  }

  private sendBack(arrival: RadioArrival, answeredAt: number, session: number): void {
    const start = Math.max(answeredAt, this.fromRadioFreeAt);
    const done = start + arrival.bytes.length * this.byteMs;
    this.fromRadioFreeAt = done;
    this.clock.at(done, () => {
      if (session !== this.session) return;
      // A break ends the stream the reader holds with a BreakError; the port
      // then offers a fresh one, as a real port does.
      if (arrival.breakBefore && this.controller) {
        this.controller.error(new DOMException("Break received", "BreakError"));
        this.readable = this.newReadable();
      }
      if (arrival.bytes.length > 0) this.controller?.enqueue(arrival.bytes.slice());
    });
  }
}
