// The engine's host against the simulated radio: a verified write reads back
// on the same open port after the core's pause, the port is let go when the
// transfer ends (so the next one can open it), and a Cancel in the pause ends
// it without a read-back.
import { test } from "node:test";
import assert from "node:assert/strict";
import type { LinkCallbacks, Pl63Core } from "../core/pl63_core";
import { Transfer, type TransferView } from "../src/transfer";

// A link that writes one frame, then (verify) reads one back, ending as the core's does.
class ScriptedLink {
  static last: ScriptedLink;
  phase: "idle" | "write" | "pause" | "verify" = "idle";
  verify = false;
  constructor(_document: unknown, readonly callbacks: LinkCallbacks) {
    ScriptedLink.last = this;
  }
  startWrite(verify: boolean): boolean {
    if (!this.callbacks.portIsOpen()) return false;
    [this.phase, this.verify] = ["write", verify];
    this.callbacks.send(new Uint8Array([0x57, 1, 2]));
    return true;
  }
  received(): void {
    if (this.phase === "write" && this.verify) this.phase = "pause";
    else if (this.phase !== "idle") this.end(this.phase === "verify" ? "verified" : "written");
  }
  verifyPending(): boolean {
    return this.phase === "pause";
  }
  continueVerify(): void {
    this.phase = "verify";
    this.callbacks.send(new Uint8Array([0x52]));
  }
  cancel(): boolean {
    if (this.phase === "idle") return false;
    this.end("cancelled");
    return true;
  }
  busy(): boolean {
    return this.phase !== "idle";
  }
  private end(outcome: "written" | "verified" | "cancelled"): void {
    this.phase = "idle";
    this.callbacks.ended(outcome);
  }
}

function setUp() {
  const heard: number[][] = [];
  const core = {
    Link: ScriptedLink,
    RadioSimulator: class {
      loadDat() {}
      receive(bytes: Uint8Array) {
        heard.push([...bytes]);
        return [{ breakBefore: false, bytes: new Uint8Array([6]) }];
      }
    },
    verifyPauseMs: () => 30,
  } as unknown as Pl63Core;
  const shown: string[] = [];
  const view = new Proxy({}, { get: (_target, name) => (value: unknown) => shown.push(`${String(name)}:${String(value)}`) }) as TransferView;
  const transfer = new Transfer(core, {} as never, view, { tell: async () => undefined } as never, {} as never, async () => new Uint8Array(853));
  transfer.source = "simulator";
  return { transfer, heard, shown, link: () => ScriptedLink.last };
}

async function until(condition: () => boolean): Promise<void> {
  for (let waited = 0; !condition(); waited += 5) {
    if (waited > 2000) assert.fail("timed out waiting");
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
}

test("a verified write reads back after the pause on the same port, then lets the port go", async () => {
  const { transfer, heard, shown } = setUp();
  await transfer.write(true);
  await until(() => shown.includes("cancellable:false"));
  assert.deepEqual(heard, [[0x57, 1, 2], [0x52]]);
  const port = (transfer as unknown as { simulatedPort: { readable: unknown } }).simulatedPort;
  await until(() => port.readable === null);

  // The next transfer opens the port again.
  await transfer.write(false);
  await until(() => heard.length === 3);
  await until(() => !transfer.busy());
});

test("Cancel in the pause before the read-back ends the transfer without one", async () => {
  const { transfer, heard, shown, link } = setUp();
  await transfer.write(true);
  await until(() => link().verifyPending());
  transfer.cancel();
  await new Promise((resolve) => setTimeout(resolve, 80));
  assert.deepEqual(heard, [[0x57, 1, 2]]);
  assert.ok(shown.includes("cancellable:false"));
});
