// The simulated radio's line and the page's serial adapter over it: bytes
// take their time at 9600 baud in both directions, a break reaches the engine
// and reading goes on, and a closed line can be opened again.
import { test } from "node:test";
import assert from "node:assert/strict";
import { SerialLine } from "../src/serial/serial_line";
import { byteTimeMs, SimulatedPort, type RadioArrival } from "../src/serial/simulated_port";
import { FakeClock, settle } from "./fake_clock";

const BYTE_MS = byteTimeMs(9600);

/** A radio that records when each piece arrived and answers from a script. */
function scriptedRadio(clock: FakeClock, answers: RadioArrival[][]) {
  const heard: { time: number; bytes: number[] }[] = [];
  return {
    heard,
    receive(bytes: Uint8Array): RadioArrival[] {
      heard.push({ time: clock.now(), bytes: [...bytes] });
      return answers.shift() ?? [];
    },
  };
}

async function openLine(port: SimulatedPort) {
  const got: { time: number; bytes: number[] }[] = [];
  let breaks = 0;
  const clock = (port as unknown as { clock: FakeClock }).clock;
  const line = await SerialLine.open(port, {
    bytes: (data) => got.push({ time: clock.now(), bytes: [...data] }),
    breakSeen: () => breaks++,
    lost: (reason) => assert.fail(`line lost: ${reason}`),
  });
  return { line, got, breaks: () => breaks };
}

test("bytes cross the line at 9600 baud both ways, frames in order", async () => {
  const clock = new FakeClock();
  const radio = scriptedRadio(clock, [[{ breakBefore: false, bytes: new Uint8Array([6]) }], [{ breakBefore: false, bytes: new Uint8Array([1, 2, 3, 4]) }]]);
  const port = new SimulatedPort(radio, clock);
  const { line, got } = await openLine(port);

  line.send(new Uint8Array(10));
  line.send(new Uint8Array([0x52, 0, 0x10, 0x10]));
  await clock.advance(100);

  // The second frame waits for the first to leave the wire.
  assert.deepEqual(radio.heard.map((piece) => piece.time.toFixed(3)), [(10 * BYTE_MS).toFixed(3), (14 * BYTE_MS).toFixed(3)]);
  // Each answer arrives after its own bytes' time, and not before the one before it.
  assert.deepEqual(got.map((piece) => piece.bytes), [[6], [1, 2, 3, 4]]);
  assert.equal(got[0]!.time.toFixed(3), (11 * BYTE_MS).toFixed(3));
  assert.equal(got[1]!.time.toFixed(3), (18 * BYTE_MS).toFixed(3));
  await line.close();
});

test("a break reaches the listener and the bytes after it are still read", async () => {
  const clock = new FakeClock();
  const radio = scriptedRadio(clock, [[{ breakBefore: true, bytes: new Uint8Array([0, 0x41]) }], [{ breakBefore: false, bytes: new Uint8Array([0x42]) }]]);
  const port = new SimulatedPort(radio, clock);
  const { line, got, breaks } = await openLine(port);

  line.send(new Uint8Array([1]));
  await clock.advance(20);
  line.send(new Uint8Array([2]));
  await clock.advance(40);

  assert.equal(breaks(), 1);
  assert.deepEqual(got.map((piece) => piece.bytes), [[0, 0x41], [0x42]]);
  await line.close();
});

test("closing lets the last frame leave, drops late answers and frees the port for the next transfer", async () => {
  const clock = new FakeClock();
  const radio = scriptedRadio(clock, [[{ breakBefore: false, bytes: new Uint8Array([9, 9]) }]]);
  const port = new SimulatedPort(radio, clock);
  const first = await openLine(port);
  first.line.send(new Uint8Array([0x45]));
  await settle();
  await first.line.close();
  assert.equal(port.readable, null);
  await clock.advance(50);
  // The end frame reached the radio; its answer went nowhere.
  assert.deepEqual(radio.heard.map((piece) => piece.bytes), [[0x45]]);
  assert.deepEqual(first.got, []);

  const second = await openLine(port);
  second.line.send(new Uint8Array([1]));
  await clock.advance(100);
  assert.deepEqual(radio.heard.map((piece) => piece.bytes), [[0x45], [1]]);
  await second.line.close();
});

test("a port cannot be opened twice or closed while its streams are held", async () => {
  const clock = new FakeClock();
  const port = new SimulatedPort(scriptedRadio(clock, []), clock);
  await port.open({ baudRate: 9600 });
  await assert.rejects(port.open({ baudRate: 9600 }), { name: "InvalidStateError" });
  const reader = port.readable!.getReader();
  await assert.rejects(port.close(), TypeError);
  reader.releaseLock();
  await port.close();
});
