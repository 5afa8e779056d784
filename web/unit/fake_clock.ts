// A line clock the tests move by hand: scheduled deliveries run in time order
// when the clock passes them, with the stream callbacks they start settled.
import type { LineClock } from "../src/serial/simulated_port";

export class FakeClock implements LineClock {
  time = 0;
  private pending: { time: number; action: () => void }[] = [];

  now(): number {
    return this.time;
  }

  at(time: number, action: () => void): void {
    this.pending.push({ time, action });
    this.pending.sort((a, b) => a.time - b.time);
  }

  /** Moves to `time`, running everything due on the way. */
  async advance(time: number): Promise<void> {
    for (;;) {
      await settle();
      const next = this.pending[0];
      if (!next || next.time > time) break;
      this.pending.shift();
      this.time = next.time;
      next.action();
    }
    this.time = time;
    await settle();
  }
}

/** Lets promise callbacks and stream pulls run. */
export async function settle(): Promise<void> {
  for (let i = 0; i < 20; i++) await new Promise((resolve) => setTimeout(resolve, 0));
}
