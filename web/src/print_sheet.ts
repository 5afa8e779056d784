// The channel sheet for printing: the core's sheet (title, facts, channels,
// option sections) in the current language, shown only by the print style
// sheet. Filled just before the browser prints, by our Print or its own.
import type { Document } from "../core/pl63_core";
import { el } from "./dom";
import type { Texts } from "./texts";

export function printSheet(target: HTMLElement, document: Document, texts: Texts): void {
  const today = new Date();
  const date = `${today.getFullYear()}-${String(today.getMonth() + 1).padStart(2, "0")}-${String(today.getDate()).padStart(2, "0")}`;
  const sheet = document.channelSheet(date);
  const pairs = (values: [string, string][]) =>
    el("dl", { class: "facts" }, ...values.flatMap(([name, value]) => [el("dt", {}, name), el("dd", {}, value)]));
  target.replaceChildren(
    el("h1", {}, sheet.title),
    pairs(sheet.facts),
    el("table", { class: "sheet-channels" },
      el("thead", {}, el("tr", {}, ...sheet.gridHeader.map((header) => el("th", { scope: "col" }, header)))),
      el("tbody", {}, ...sheet.channels.map((row) => el("tr", {}, ...row.map((cell) => el("td", {}, cell)))))),
    ...sheet.sections.map((section) => el("section", {}, el("h2", {}, section.title), pairs(section.values))),
  );
  target.lang = texts.language === 0 ? "zh-CN" : "en";
}
