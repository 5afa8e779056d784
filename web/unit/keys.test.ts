// Grid keys and the first visit's language: where the selection may go, what
// an editor's filter lets in, which language a browser gets.
import { test } from "node:test";
import assert from "node:assert/strict";
import { editorKind, filterTyped, moveSelection } from "../src/grid_keys";
import { initialLanguage, shown } from "../src/texts";

test("arrow, Home/End and Page keys stay inside the 16 channels and 9 columns", () => {
  const cases: [number, number, string, [number, number] | null][] = [
    [1, 1, "ArrowUp", [1, 1]],
    [16, 4, "ArrowDown", [16, 4]],
    [5, 0, "ArrowLeft", [5, 0]],
    [5, 8, "ArrowRight", [5, 8]],
    [5, 3, "ArrowDown", [6, 3]],
    [5, 3, "Home", [5, 0]],
    [5, 3, "End", [5, 8]],
    [5, 3, "PageUp", [1, 3]],
    [5, 3, "PageDown", [16, 3]],
    [5, 3, "a", null],
  ];
  for (const [row, column, key, expected] of cases) {
    const moved = moveSelection({ row, column }, key, 16, 9);
    assert.deepEqual(moved && [moved.row, moved.column], expected, `${key} from ${row},${column}`);
  }
});

test("each column gets the window program's editor", () => {
  assert.deepEqual([0, 1, 2, 3, 4, 5, 6, 7, 8].map(editorKind),
    ["none", "frequency", "tone", "frequency", "tone", "choice", "choice", "choice", "choice"]);
});

test("typed text keeps only what the filter lets in, as the filter changes it", () => {
  const toneFilter = (c: string) => (/[0-9.DNI]/.test(c) ? c : /[dni]/.test(c) ? c.toUpperCase() : "");
  assert.equal(filterTyped("d23nx", toneFilter), "D23N");
  assert.equal(filterTyped("", toneFilter), "");
});

test("the first visit follows the browser; a saved choice wins", () => {
  const none = { getItem: () => null };
  assert.equal(initialLanguage(none, ["zh-TW", "en"]), 0);
  assert.equal(initialLanguage(none, ["ZH"]), 0);
  assert.equal(initialLanguage(none, ["en-GB", "zh-CN"]), 1);
  assert.equal(initialLanguage(none, []), 1);
  assert.equal(initialLanguage({ getItem: () => "1" }, ["zh-CN"]), 1);
  assert.equal(initialLanguage({ getItem: () => "0" }, ["en"]), 0);
});

test("accelerator marks are dropped as a menu shows them", () => {
  assert.equal(shown("File(&F)"), "File(F)");
  assert.equal(shown("&Undo: channel 4"), "Undo: channel 4");
  assert.equal(shown("Save && quit"), "Save & quit");
});
