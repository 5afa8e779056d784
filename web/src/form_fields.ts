// One control per field the core describes (list, check box, text, number,
// table), labelled by the field's caption, and the value read back from it.
// The panels and the option windows build their controls this way.
import type { FormField } from "../core/pl63_core";
import { el } from "./dom";

export function fieldId(window: string, control: string): string {
  return `${window}-${control}`;
}

/** The core's rules for a table of frequencies: the row after an edit, and which cells take one. */
export interface TableRules {
  snap(rx: string, tx: string, column: number): [string, string];
  editable(rx: string, tx: string, column: number): boolean;
}

/** A label/control pair (a check box wraps its caption), `changed` on every change. */
export function fieldControl(field: FormField, window: string, changed: () => void, rules?: TableRules, unnamed = field.control): HTMLElement {
  const id = fieldId(window, field.control);
  const disabled = !field.enabled;
  switch (field.kind) {
    case "check": {
      const box = el("input", { type: "checkbox", id, disabled });
      box.checked = Boolean(field.value);
      box.addEventListener("change", changed);
      return el("label", { class: "field check" }, box, field.caption);
    }
    case "list": {
      const select = el("select", { id, disabled });
      field.items.forEach((item) => select.append(el("option", {}, item)));
      select.selectedIndex = Number(field.value);
      select.addEventListener("change", changed);
      return pair(field, id, select, unnamed);
    }
    case "number": {
      // A wide range (the power tuning) is a slider with its value beside it, as in the window program.
      const slider = field.max - field.min > 100;
      const input = el("input", { type: slider ? "range" : "number", id, min: field.min, max: field.max, step: 1, disabled });
      input.value = String(field.value);
      input.addEventListener("change", changed);
      if (!slider) return pair(field, id, input, unnamed);
      const shown = el("output", { for: id, class: "slider-value" }, input.value);
      input.addEventListener("input", () => (shown.value = input.value));
      return pair(field, id, el("span", { class: "slider" }, input, shown), unnamed);
    }
    case "text": {
      const input = el("input", { type: "text", id, disabled, autocomplete: "off", spellcheck: "false" });
      if (field.maxLength > 0) input.maxLength = field.maxLength;
      input.value = String(field.value);
      input.addEventListener("change", changed);
      return pair(field, id, input, unnamed);
    }
    case "table":
      return tableField(field, id, changed, rules);
  }
}

function pair(field: FormField, id: string, control: HTMLElement, unnamed: string): HTMLElement {
  if (!field.caption) {
    // A control without a caption of its own (the embedded lines) still needs a name.
    (control.querySelector("input") ?? control).setAttribute("aria-label", unnamed);
    return el("div", { class: "field" }, control);
  }
  return el("div", { class: "field" }, el("label", { for: id }, field.caption), control);
}

// A table of frequency pairs (the debug frequencies): one row per channel,
// numbered as the window program numbers them, each cell a text box.
function tableField(field: FormField, id: string, changed: () => void, rules?: TableRules): HTMLElement {
  const rows = field.value as string[][];
  const head = el("tr", {}, ...field.headers.map((header) => el("th", { scope: "col" }, header)));
  const body = el("tbody");
  rows.forEach((cells, rowIndex) => {
    const number = String(rowIndex + 1).padStart(2, "0");
    const line = el("tr", {}, el("th", { scope: "row" }, number));
    cells.forEach((cell, column) => {
      const input = el("input", {
        type: "text",
        id: `${id}-${rowIndex}-${column}`,
        "aria-label": `${number} ${field.headers[column + 1] ?? ""}`,
        autocomplete: "off",
        disabled: !field.enabled,
      });
      if (field.maxLength > 0) input.maxLength = field.maxLength;
      input.value = cell;
      input.addEventListener("change", changed);
      line.append(el("td", {}, input));
    });
    if (rules && cells.length === 2) applyRowRules(line, rules);
    body.append(line);
  });
  return el("table", { id, class: "field-table" }, el("thead", {}, head), body);
}

// A row of RX and TX frequency: an edit is put on the raster at once, and a
// TX cell takes nothing while its RX is empty.
function applyRowRules(line: HTMLTableRowElement, rules: TableRules): void {
  const [rx, tx] = [...line.querySelectorAll("input")] as [HTMLInputElement, HTMLInputElement];
  const update = () => {
    rx.readOnly = !rules.editable(rx.value, tx.value, 1);
    tx.readOnly = !rules.editable(rx.value, tx.value, 2);
  };
  [rx, tx].forEach((input, index) =>
    input.addEventListener("change", () => {
      [rx.value, tx.value] = rules.snap(rx.value, tx.value, index + 1);
      update();
    }),
  );
  update();
}

/** The field's current value as the core takes it back. */
export function readField(scope: ParentNode, window: string, field: FormField): number | boolean | string | string[][] {
  const id = fieldId(window, field.control);
  const control = scope.querySelector<HTMLInputElement & HTMLSelectElement>(`#${CSS.escape(id)}`);
  if (!control) return field.value;
  switch (field.kind) {
    case "check":
      return control.checked;
    case "list":
      return control.selectedIndex;
    case "number":
      return Number(control.value);
    case "text":
      return control.value;
    case "table":
      return (field.value as string[][]).map((cells, rowIndex) =>
        cells.map((cell, column) => {
          const input = scope.querySelector<HTMLInputElement>(`#${CSS.escape(`${id}-${rowIndex}-${column}`)}`);
          return input ? input.value : cell;
        }),
      );
  }
}

/** Puts values the core's rules gave back into the controls. */
export function writeFields(scope: ParentNode, window: string, fields: FormField[], values: Record<string, unknown>): void {
  for (const field of fields) {
    if (!(field.control in values)) continue;
    const value = values[field.control];
    const control = scope.querySelector<HTMLInputElement & HTMLSelectElement>(`#${CSS.escape(fieldId(window, field.control))}`);
    if (!control) continue;
    if (field.kind === "check") control.checked = Boolean(value);
    else if (field.kind === "list") control.selectedIndex = Number(value);
    else if (field.kind === "number" || field.kind === "text") {
      control.value = String(value);
      const shown = control.parentElement?.querySelector("output");
      if (shown) shown.value = control.value;
    }
  }
}
