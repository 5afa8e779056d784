// The browser's end of the cable: opens a Web Serial port at the radio's
// 9600 baud 8-N-1, hands every arriving byte (and every break) to whoever
// listens, and sends frames in order. Bytes in, bytes out; nothing about
// frames.

export const RADIO_LINE: SerialOptions = {
  baudRate: 9600,
  dataBits: 8,
  stopBits: 1,
  parity: "none",
  flowControl: "none",
};

// The time one byte takes on the wire at the radio's speed, start and stop bits included.
const BYTE_MS = 10_000 / 9600;
// Slack for the UART's own buffer after our last byte.
const DRAIN_SLACK_MS = 20;

export interface LineListener {
  bytes(data: Uint8Array): void;
  breakSeen(): void;
  /** The port went away (cable pulled) or failed while open. */
  lost(reason: string): void;
}

export class SerialLine {
  private reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
  private readLoop: Promise<void> | null = null;
  private writes: Promise<void> = Promise.resolve();
  private closing = false;
  // When the last byte handed to the port will have left the wire.
  private drainedAt = 0;

  private constructor(
    readonly port: SerialPort,
    private readonly listener: LineListener,
  ) {}

  /** Opens `port` for the radio; rejects with the browser's reason. */
  static async open(port: SerialPort, listener: LineListener): Promise<SerialLine> {
    await port.open(RADIO_LINE);
    const line = new SerialLine(port, listener);
    line.readLoop = line.readAll();
    return line;
  }

  /** Queues one frame; frames leave in the order they were sent. */
  send(frame: Uint8Array): void {
    const bytes = frame.slice();
    this.writes = this.writes.then(async () => {
      if (this.closing || !this.port.writable) return;
      const writer = this.port.writable.getWriter();
      try {
        await writer.write(bytes);
        this.drainedAt = Math.max(performance.now(), this.drainedAt) + bytes.length * BYTE_MS;
      } catch (error) {
        this.listener.lost(String(error));
      } finally {
        writer.releaseLock();
      }
    });
  }

  /** Every frame sent so far has been handed to the port. */
  flushed(): Promise<void> {
    return this.writes;
  }

  /**
   * Lets the queued frames (the end frame of a cancel) leave, then releases
   * both streams and closes the port, so the next transfer can open it again.
   */
  async close(): Promise<void> {
    await this.writes;
    // Closing a port may drop what its buffer still holds: the end frame
    // must be on the wire first, or the radio stays in programming mode.
    const draining = this.drainedAt + DRAIN_SLACK_MS - performance.now();
    if (draining > 0) await new Promise((resolve) => setTimeout(resolve, draining));
    this.closing = true;
    await this.reader?.cancel().catch(() => undefined);
    await this.readLoop;
    await this.port.close().catch(() => undefined);
  }

  private async readAll(): Promise<void> {
    // A break or a framing error ends one stream; the port then offers a new
    // one, so reading goes on until the port itself has none.
    while (!this.closing && this.port.readable) {
      const reader = this.port.readable.getReader();
      this.reader = reader;
      try {
        for (;;) {
          const { value, done } = await reader.read();
          if (done) return;
          if (value && value.length > 0) this.listener.bytes(value);
        }
      } catch (error) {
        if (this.closing) break;
        if (error instanceof DOMException && error.name === "BreakError") {
          this.listener.breakSeen();
        } else if (!isRecoverable(error)) {
          this.listener.lost(String(error));
          break;
        }
      } finally {
        reader.releaseLock();
        this.reader = null;
      }
    }
  }
}

// Line errors that leave the port usable, as the Web Serial API names them.
function isRecoverable(error: unknown): boolean {
  return (
    error instanceof DOMException &&
    ["FramingError", "ParityError", "BufferOverrunError"].includes(error.name)
  );
}
