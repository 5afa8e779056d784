// A CHIRP import in the page gives the bytes `pl63 import` gives for the
// same file on the same base: the golden was made by the native command, and
// where the command is built it is asked again now.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { loadCore, example, root, ENGLISH, CHINESE } from "./load_core.mjs";

const core = await loadCore();
const sample = await example("sample.DAT");
const cli = process.env.PL63_CLI ?? join(root, "build/tools/pl63");

function nativeImport(plan, skipUnfit) {
  const out = join(mkdtempSync(join(tmpdir(), "pl63-web-")), "out.DAT");
  const args = ["import", join(root, "examples/plans", plan), "-o", out,
                "--base", join(root, "examples/sample.DAT"), ...(skipUnfit ? ["--skip-unfit"] : [])];
  execFileSync(cli, args, { stdio: "ignore" });
  return new Uint8Array(readFileSync(out));
}

test("CHIRP plans import as the command line imports them", () => {
  const cases = [
    { plan: "pmr446.csv", skipUnfit: false, golden: "pmr446-on-sample.DAT" },
    { plan: "frs.csv", skipUnfit: true, golden: "frs-on-sample.DAT" },
  ];
  for (const { plan, skipUnfit, golden } of cases) {
    for (const language of [CHINESE, ENGLISH]) {
      const doc = new core.Document(language);
      doc.openDat(sample, "sample.DAT");
      const imported = doc.importChannels(readFileSync(join(root, "examples/plans", plan), "utf8"), skipUnfit);
      assert.equal(imported.ok, true, imported.message);
      assert.equal(imported.format, "chirp");
      assert.equal(imported.leftOut.length > 0, skipUnfit, "frs.csv has more rows than channels");
      const expected = new Uint8Array(readFileSync(new URL(`golden/${golden}`, import.meta.url)));
      assert.deepEqual(doc.saveDat(), expected, `${plan} against the golden`);
      if (existsSync(cli)) assert.deepEqual(doc.saveDat(), nativeImport(plan, skipUnfit), `${plan} against ${cli}`);
      doc.delete();
    }
  }
});
