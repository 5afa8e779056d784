// The link engine through the binding against the simulated radio, driven
// tick by tick on a virtual clock: no sleeping, no serial port.
import { test } from "node:test";
import assert from "node:assert/strict";
import { loadCore, example, ENGLISH } from "./load_core.mjs";

const core = await loadCore();
const sample = await example("sample.DAT");

// The page's side of the link: frames to the radio, its replies back on
// the next turn, Timer1 every 500 ms and Timer2 every 200 ms while on.
function session(doc, radio) {
  const seen = { outcome: null, status: "", messages: [], frames: [], timer1: false, timer2: false };
  const pending = [];
  const link = new core.Link(doc, {
    portIsOpen: () => true,
    send: (bytes) => {
      seen.frames.push(bytes);
      pending.push(...radio.receive(bytes));
    },
    timer1: (on) => (seen.timer1 = on),
    timer2: (on) => (seen.timer2 = on),
    status: (text) => (seen.status = text),
    statusVisible: () => {},
    progressShow: () => {},
    progress: () => {},
    progressHide: () => {},
    commandsEnabled: () => {},
    message: (text) => seen.messages.push(text),
    ended: (outcome) => (seen.outcome = outcome),
  });
  // `during` runs once, as the user would act, after that many frames went out.
  const run = ({ cancelAfterFrames = Infinity, during = [Infinity, null], limitMs = 120_000 } = {}) => {
    for (let ms = 0; ms < limitMs && (seen.outcome === null || link.busy()); ms += 100) {
      // One reply a turn, so a cancel can come between two of them.
      if (pending.length) {
        const arrival = pending.shift();
        if (arrival.breakBefore) link.breakSeen();
        link.received(arrival.bytes);
      }
      if (seen.frames.length >= cancelAfterFrames) link.cancel();
      if (seen.frames.length >= during[0] && during[1]) during.pop()();
      if (link.verifyPending()) link.continueVerify();
      if (seen.timer2 && ms % 200 === 0) link.tick2();
      if (seen.timer1 && ms % 500 === 0) link.tick1();
    }
  };
  return { link, seen, run };
}

function radioWith(dat) {
  const radio = new core.RadioSimulator();
  assert.equal(radio.loadDat(dat).ok, true);
  return radio;
}

test("read, write with verify, cancel and a stalled write against the simulated radio", () => {
  const cases = [
    { name: "read", start: (l) => l.startRead(), outcome: "read" },
    { name: "write", start: (l) => l.startWrite(false), outcome: "written" },
    { name: "write --verify", start: (l) => l.startWrite(true), outcome: "verified" },
    { name: "cancelled read", start: (l) => l.startRead(), outcome: "cancelled", cancelAfterFrames: 4 },
    { name: "stalled write", start: (l) => l.startWrite(false), outcome: "timedOut", stall: 5 },
  ];
  for (const { name, start, outcome, cancelAfterFrames, stall } of cases) {
    const doc = new core.Document(ENGLISH);
    doc.newCodeplug();
    if (name.startsWith("write")) doc.openDat(sample, "s.DAT");
    const radio = radioWith(name.startsWith("write") ? core.sampleDat() : sample);
    if (stall !== undefined) radio.setStallAfterBlock(stall);
    const { link, seen, run } = session(doc, radio);
    assert.equal(start(link), true, name);
    run({ cancelAfterFrames });
    assert.equal(seen.outcome, outcome, name);
    assert.equal(link.busy(), false, `${name}: commands back`);
    if (outcome === "read") {
      const expected = new core.Document(ENGLISH);
      expected.openDat(sample, "s.DAT");
      assert.deepEqual(doc.grid(), expected.grid());
      expected.delete();
    }
    if (outcome === "cancelled") {
      assert.equal(String.fromCharCode(seen.frames.at(-1)[0]), "E", "the end frame went out");
      assert.equal(radio.sessionEnded(), true);
    }
    if (outcome === "timedOut") {
      assert.match(seen.messages.join("\n"), new RegExp(`${stall} of ${link.blocksTotal()}`));
    }
    if (outcome === "written" || outcome === "verified") {
      assert.deepEqual(radio.memory().slice(0, 0x330), doc.image().slice(0, 0x330));
      assert.equal(doc.isModified(), false, "the radio holds what was sent");
    }
    link.delete();
    radio.delete();
    doc.delete();
  }
});

test("the password change: refusals before anything is sent, then the radio and the data take it", () => {
  const doc = new core.Document(ENGLISH);
  doc.openDat(sample, "s.DAT");
  const radio = radioWith(sample);
  const { link, seen, run } = session(doc, radio);
  for (const [old, next, confirm] of [["", "abc", "abc"], ["1", "abc", "abd"]]) {
    const refused = link.startPasswordChange(old, next, confirm);
    assert.equal(refused.ok, false);
    assert.notEqual(refused.message, "");
    assert.equal(seen.frames.length, 0);
  }
  link.setLoginMode(true);
  assert.equal(link.startPasswordChange("", "", "new.1").ok, true);
  run();
  assert.equal(seen.outcome, "passwordChanged");
  assert.equal(doc.form("Frame1").find((f) => f.control === "Text2").value, "new.1");
  assert.equal(doc.history().undoName, "Password set");
  const stored = new TextDecoder().decode(radio.memory().slice(0x1b0, 0x1b5));
  assert.equal(stored, "new.1");
  link.delete();
  radio.delete();
  doc.delete();
});

test("edits made while a write runs stay modified; a closed port is told and nothing starts", () => {
  const doc = new core.Document(ENGLISH);
  doc.openDat(sample, "s.DAT");
  const radio = radioWith(sample);
  const { link, seen, run } = session(doc, radio);
  assert.equal(link.startWrite(false), true);
  let edited = null;
  run({ during: [8, () => (edited = doc.commitCell(16, 1, "470"))] });
  assert.equal(edited?.changed, true);
  assert.equal(seen.outcome, "written");
  assert.equal(doc.isModified(), true, "the radio holds the older channel 16");
  link.delete();

  const closed = new core.Link(doc, { ...Object.fromEntries(["send", "timer1", "timer2", "status",
    "statusVisible", "progressShow", "progress", "progressHide", "commandsEnabled", "ended"]
    .map((name) => [name, () => {}])), portIsOpen: () => false, message: (text) => seen.messages.push(text) });
  seen.messages.length = 0;
  assert.equal(closed.startRead(), false);
  assert.equal(seen.messages.length, 1);
  closed.delete();
  radio.delete();
  doc.delete();
});
