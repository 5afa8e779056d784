// The Document through the binding: files in and out byte for byte, refusals
// with the core's own texts, the entry rules and the option windows' rules.
import { test } from "node:test";
import assert from "node:assert/strict";
import { loadCore, example, ENGLISH, CHINESE } from "./load_core.mjs";

const core = await loadCore();
const sample = await example("sample.DAT");

// The sample with the radio's single-byte characters above 0x7F in its
// embedded information (image offset 0x2F0, after the 5 signature bytes).
function withHighBytes() {
  const bytes = sample.slice();
  for (let i = 0; i < 32; ++i) bytes[5 + 0x2f0 + i] = 0x80 + i * 4;
  return bytes;
}

test("a .DAT file goes in and comes out byte for byte; a hostile one is refused", () => {
  const cases = [
    { name: "sample", bytes: sample, ok: true },
    { name: "bytes above 0x7F", bytes: withHighBytes(), ok: true },
    { name: "empty", bytes: new Uint8Array(0), ok: false },
    { name: "wrong signature", bytes: new Uint8Array([0x47, 0x5a, 0x51, 0x37, 0x33, ...sample.slice(5)]), ok: false },
    { name: "too short", bytes: sample.slice(0, 100), ok: false },
  ];
  for (const { name, bytes, ok } of cases) {
    for (const language of [CHINESE, ENGLISH]) {
      const doc = new core.Document(language);
      doc.openDat(sample, "before.DAT");
      const before = doc.saveDat();
      const opened = doc.openDat(bytes, "x.DAT");
      assert.equal(opened.ok, ok, name);
      if (ok) {
        assert.deepEqual(doc.saveDat(), bytes.slice(0, 5 + 848), name);
        assert.equal(doc.fileName(), "x.DAT");
      } else {
        assert.match(opened.message, language === ENGLISH ? /[A-Za-z]/ : /[\u4e00-\u9fff]/, name);
        assert.deepEqual(doc.saveDat(), before, `${name}: nothing lost`);
        assert.equal(doc.fileName(), "before.DAT");
      }
      doc.delete();
    }
  }
});

test("a frequency out of band is refused with the message in both languages; nothing changes", () => {
  const messages = new Set();
  for (const language of [CHINESE, ENGLISH]) {
    const doc = new core.Document(language);
    doc.openDat(sample, "s.DAT");
    const band = core.bands()[doc.band()];
    const before = doc.cell(16, 1);
    const result = doc.commitCell(16, 1, String(band.highMHz + 5));
    assert.equal(result.ok, false);
    assert.equal(result.changed, false);
    assert.match(result.message, language === ENGLISH ? /frequency range/ : /[\u4e00-\u9fff]/);
    messages.add(result.message);
    assert.equal(doc.cell(16, 1), before);
    assert.equal(doc.history().canUndo, true, "only the open");
    assert.equal(doc.isModified(), false);
    doc.delete();
  }
  assert.equal(messages.size, 2, "one message per language");
});

test("grid entry: new-channel defaults, raster, delete, and undo naming the step", () => {
  const doc = new core.Document(ENGLISH);
  doc.newCodeplug();
  const rx = doc.commitCell(3, 1, "435.1263");
  assert.equal(rx.changed, true);
  const row = doc.grid()[2];
  assert.equal(row[3], row[1], "TX follows RX");
  assert.notEqual(row[1], "435.1263", "moved onto the raster");
  assert.equal(doc.history().undoName, "channel 3 RX frequency");
  assert.equal(doc.deleteChannel(3).changed, true);
  assert.equal(doc.inUse(3), false);
  doc.undo();
  assert.equal(doc.inUse(3), true);
  assert.match(doc.history().redoItem, /channel 3/);
  doc.delete();
});

test("option windows: OK writes one step, the priority rule speaks, a bad value is refused", () => {
  const doc = new core.Document(ENGLISH);
  doc.newCodeplug();
  const check = doc.checkForm("Form5", "Combo11", { Combo11: 1, Combo12: 3 });
  assert.equal(check.values.Combo11, 0, "no channel in use: back to No");
  assert.notEqual(check.message, "");
  const cases = [
    { window: "Form5", values: { Combo13: 7, Text5: "12" }, ok: true },
    { window: "Form6", values: { Combo1: 4, Combo2: 6 }, ok: true },
    { window: "Frame2", values: { Combo3: 20 }, ok: true },
    { window: "Form2", values: { Slider1: 256 }, ok: false },
    { window: "Form5", values: { Text5: "301" }, ok: false },
  ];
  for (const { window, values, ok } of cases) {
    const before = doc.saveDat();
    assert.equal(doc.applyForm(window, values).ok, ok, `${window} ${JSON.stringify(values)}`);
    const shown = Object.fromEntries(doc.form(window).map((f) => [f.control, f.value]));
    for (const [control, value] of Object.entries(values)) {
      assert.equal(shown[control] === value, ok, `${window}.${control}`);
    }
    if (!ok) assert.deepEqual(doc.saveDat(), before);
  }
  doc.delete();
});

test("compare with a file lists what differs, in the document's language", () => {
  const doc = new core.Document(ENGLISH);
  doc.openDat(sample, "s.DAT");
  assert.equal(doc.compareWith(sample, "s.DAT").differences, "");
  doc.deleteChannel(1);
  const compared = doc.compareWith(sample, "s.DAT");
  assert.match(compared.differences, /CH 01/);
  assert.match(compared.heading, /s\.DAT/);
  doc.delete();
});

test("steps of the type selection and Function Set panels; login mode holds the password window's boxes", () => {
  const doc = new core.Document(ENGLISH);
  doc.newCodeplug();
  for (const typed of ["1", "12", "12a"]) assert.equal(doc.applyForm("Frame1", { Text2: typed }).ok, true);
  assert.equal(doc.applyForm("Frame1", { Text2: "12 a" }).ok, false, "a blank is no password character");
  assert.equal(doc.history().undoName, "communication password");
  doc.undo();
  // The whole panel handed over, one list changed: the step is that list's.
  const panel = Object.fromEntries(doc.form("Frame2").map((f) => [f.control, f.value]));
  assert.equal(doc.applyForm("Frame2", { ...panel, Combo3: 2 }).ok, true);
  assert.equal(doc.history().undoName, "Time-out");
  doc.undo();
  assert.equal(doc.form("Frame1").find((f) => f.control === "Text2").value, "");
  const enabled = (on) => {
    doc.setLoginMode(on);
    return doc.form("FormUsePass").map((f) => f.enabled);
  };
  assert.deepEqual(doc.form("FormUsePass").map((f) => f.caption),
    ["Old Password:", "New Password:", "Confirm Password:"], "named as the window's labels");
  assert.deepEqual(enabled(false), [true, true, true]);
  assert.deepEqual(enabled(true), [false, false, true]);
  doc.delete();
});

test("the band question: the same band asks nothing, Cancel changes nothing, OK clears the channels", () => {
  const doc = new core.Document(CHINESE);
  doc.openDat(sample, "s.DAT");
  const band = doc.band();
  assert.equal(doc.chooseBand(band).ask, false);
  const other = (band + 1) % core.bands().length;
  const choice = doc.chooseBand(other);
  assert.equal(choice.ask, true);
  assert.match(choice.question, /[\u4e00-\u9fff]/);
  const before = doc.saveDat();
  doc.confirmBand(other, false);
  assert.deepEqual(doc.saveDat(), before);
  assert.equal(doc.isModified(), false);
  doc.confirmBand(other, true);
  assert.equal(doc.band(), other);
  assert.equal(doc.grid().some((row) => row[1] !== ""), false);
  doc.undo();
  assert.deepEqual(doc.saveDat(), before, "one step takes it all back");
  doc.delete();
});

test("our CSV: a refusal names line and column and changes nothing; DCS digits 8/9 warn", () => {
  for (const language of [CHINESE, ENGLISH]) {
    const doc = new core.Document(language);
    doc.openDat(sample, "s.DAT");
    const before = doc.saveDat();
    const header = doc.exportChannels("pl63").split("\n")[0];
    const refused = doc.importChannels(`${header}\n3,999,Off,,,,,,\n`, false);
    assert.equal(refused.ok, false);
    assert.match(refused.message, /2/, "line 2");
    assert.deepEqual(doc.saveDat(), before);
    const warned = doc.importChannels(`${header}\n3,435.5,D089N,,,,,,\n`, false);
    assert.equal(warned.ok, true, warned.message);
    assert.equal(warned.format, "pl63");
    assert.equal(warned.warnings.length, 1);
    assert.equal(warned.listLines, `${warned.warnings[0]}\n`);
    assert.equal(doc.history().undoName, language === ENGLISH ? "Import" : "导入");
    doc.delete();
  }
});

test("the channel sheet is in the document's language and names the file", () => {
  const doc = new core.Document(ENGLISH);
  doc.openDat(sample, "club.DAT");
  const sheet = doc.channelSheet("2026-12-09");
  assert.deepEqual(sheet.gridHeader, core.captions(ENGLISH)
    .filter((r) => r.window === "Form1" && r.control === "Grid1").map((r) => r.text));
  assert.deepEqual(sheet.channels, doc.grid());
  assert.ok(sheet.facts.some(([, value]) => value === "club.DAT"));
  assert.ok(sheet.facts.some(([, value]) => value === "2026-12-09"));
  doc.delete();
});

test("a language switch rewrites the grid's words without a step; hostile CSV is told, not thrown", () => {
  const doc = new core.Document(CHINESE);
  doc.openDat(sample, "s.DAT");
  const chinese = doc.grid();
  doc.setLanguage(ENGLISH);
  const english = doc.grid();
  assert.notDeepEqual(english, chinese);
  assert.deepEqual(english.map((row) => row.slice(0, 2)), chinese.map((row) => row.slice(0, 2)), "frequencies stay");
  assert.equal(doc.isModified(), false);
  assert.equal(doc.history().undoName, "Open file");
  for (const csv of ["\u0000\u00ff\u0001garbage", "CH,RX Frequency\n" + "1,435\n".repeat(5000), ""]) {
    const before = doc.saveDat();
    const result = doc.importChannels(csv, true);
    if (!result.ok) assert.notEqual(result.message, "");
    if (!result.ok) assert.deepEqual(doc.saveDat(), before);
  }
  doc.delete();
});

test("the test frequency table follows RX and its raster; embedded text keeps what the radio can hold", () => {
  assert.equal(core.testFrequencyEditable("", "", 2), false);
  assert.equal(core.testFrequencyEditable("435", "", 2), true);
  const [rx, tx] = core.snapTestFrequency("435.0130", "", 1);
  assert.equal(tx, rx, "TX follows RX");
  assert.match(rx, /^435\.01\d{3}$/);
  const doc = new core.Document(ENGLISH);
  const check = doc.checkForm("Form7", "Text1", { Text1: "Field 日 day\u0007", Text2: "" });
  assert.equal(check.values.Text1, "Field  day");
  doc.delete();
});

test("the hidden modes: three captions within five seconds enter, two clicks within a second leave", () => {
  const doc = new core.Document(ENGLISH);
  const cases = [
    { gesture: "login", exit: "Login", on: () => doc.loginMode() },
    { gesture: "tune", exit: "TAnMa", on: () => doc.tuneMode() && doc.debugUnlocked() },
  ];
  for (const { gesture, exit, on } of cases) {
    assert.equal(doc.captionClicked(gesture, 0, 100.0), false);
    assert.equal(doc.captionClicked(gesture, 1, 106.5), false, "too late: a new gesture");
    assert.equal(doc.captionClicked(gesture, 0, 107.0), false);
    assert.equal(doc.captionClicked(gesture, 2, 108.0), true);
    assert.equal(on(), true);
    assert.equal(doc.exitClicked(exit, 200.0), false);
    assert.equal(doc.exitClicked(exit, 200.5), true);
    assert.equal(on(), false);
  }
  doc.delete();
});
