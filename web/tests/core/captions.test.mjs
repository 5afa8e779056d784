// The page's texts come from the core's one catalogue: the toolbar, the
// message boxes' buttons and the page's own rows, in both languages.
import { test } from "node:test";
import assert from "node:assert/strict";
import { loadCore, ENGLISH, CHINESE } from "./load_core.mjs";

const core = await loadCore();

test("captions the page is named by, in both languages", () => {
  const cases = [
    ["Form1", "Toolbar1", 5, "Read frequency", "读频"],
    ["Form1", "Toolbar1", 6, "Write frequency", "写频"],
    ["Form1", "Grid1", 1, "RX frequency", "接收频率"],
    ["FormUsePass", "Command3", 0, "Create New Password", "生成新密码"],
    ["MsgBox", "discard", 0, "Discard", "不保存"],
    ["Link", "writeSucceeded", 0, "Write frequency success!", "写频成功！"],
  ];
  for (const [window, control, index, en, zh] of cases) {
    assert.equal(core.caption(window, control, index, ENGLISH), en, `${window}.${control}`);
    assert.equal(core.caption(window, control, index, CHINESE), zh, `${window}.${control}`);
  }
  assert.equal(core.caption("Form1", "noSuchControl", 0, ENGLISH), "");
});

test("every caption row has its counterpart in the other language", () => {
  const key = (r) => `${r.window}|${r.control}|${r.index}|${r.element}`;
  const zh = core.captions(CHINESE);
  const en = core.captions(ENGLISH);
  assert.deepEqual(zh.map(key), en.map(key));
  const page = en.filter((r) => r.window === "Page");
  assert.ok(page.length > 0 && page.every((r) => r.text !== ""));
});
