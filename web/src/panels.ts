// The Type selection (Frame1) and Function Set (Frame2) panels above the
// grid. Their lists and values come from the core; a choice goes straight
// back to it as one undo step.
import type { Document, FormField, FormValues, Pl63Core } from "../core/pl63_core";
import { el, setText } from "./dom";
import { fieldControl, readField, writeFields } from "./form_fields";
import type { MessageBoxes } from "./dialogs";
import type { Texts } from "./texts";

export interface PanelHost {
  core: Pl63Core;
  texts: Texts;
  messages: MessageBoxes;
  document(): Document;
  changed(): void;
}

export class Panels {
  readonly element: HTMLElement;
  private readonly frame1Legend = el("legend");
  private readonly frame2Legend = el("legend");
  private readonly bandLabel = el("label", { for: "Combo1" });
  private readonly band = el("select", { id: "Combo1" });
  private readonly frame1: HTMLFieldSetElement;
  private readonly frame2: HTMLFieldSetElement;
  private readonly typeFields = el("div", { class: "pairs" });
  private readonly options = el("div", { class: "function-set" });
  private readonly switches = el("div", { class: "function-switches" });
  private frame1Fields: FormField[] = [];
  private frame2Fields: FormField[] = [];

  constructor(private readonly host: PanelHost) {
    this.frame1 = el("fieldset", { id: "Frame1", class: "panel type-selection" }, this.frame1Legend, this.typeFields);
    this.frame2 = el("fieldset", { id: "Frame2", class: "panel" }, this.frame2Legend, this.options, this.switches);
    this.element = el("div", { class: "panels" }, this.frame1, this.frame2);
    this.band.addEventListener("change", () => void this.bandChosen());
  }

  showCaptions(): void {
    const { texts } = this.host;
    setText(this.frame1Legend, texts.get("Form1", "Frame1"));
    setText(this.frame2Legend, texts.get("Form1", "Frame2"));
    setText(this.bandLabel, texts.get("Form1", "Label3"));
    this.band.replaceChildren(...this.host.core.bands().map((band) => el("option", {}, band.text)));
    this.showData();
  }

  /** The panels from the document (after an open, a read, undo, a language switch). */
  showData(): void {
    const document = this.host.document();
    this.band.selectedIndex = document.band();
    this.showTypeSelection(document);
    // Rebuilding a control the user is in would take the focus away from it.
    if (this.frame2.contains(globalThis.document.activeElement) && this.frame2Fields.length > 0) {
      const fields = document.form("Frame2");
      writeFields(this.frame2, "Frame2", fields, Object.fromEntries(fields.map((field) => [field.control, field.value])));
      this.frame2Fields = fields;
      return;
    }
    this.frame2Fields = document.form("Frame2");
    const lists = this.frame2Fields.filter((field) => field.kind !== "check");
    const checks = this.frame2Fields.filter((field) => field.kind === "check");
    this.options.replaceChildren(...lists.map((field) => fieldControl(field, "Frame2", () => this.frame2Changed(field.control))));
    this.switches.replaceChildren(...checks.map((field) => fieldControl(field, "Frame2", () => this.frame2Changed(field.control))));
  }

  // Model, band, communication password, in the window program's order.
  private showTypeSelection(document: Document): void {
    const fields = document.form("Frame1");
    const password = globalThis.document.getElementById("Frame1-Text2") as HTMLInputElement | null;
    if (password && password === globalThis.document.activeElement && this.frame1Fields.length > 0) {
      this.frame1Fields = fields;
      return;
    }
    this.frame1Fields = fields;
    const controls = fields.map((field) => {
      const control = fieldControl(field, "Frame1", () => this.frame1Changed(field.control));
      const input = control.querySelector("input");
      if (field.control === "Text2" && input) {
        // Masked as the window program masks it, except in login mode.
        input.type = document.loginMode() ? "text" : "password";
        input.autocomplete = "off";
        input.addEventListener("input", () => this.frame1Changed("Text2"));
      }
      return control;
    });
    const bandPair = el("div", { class: "field" }, this.bandLabel, this.band);
    this.typeFields.replaceChildren(...controls.slice(0, 1), bandPair, ...controls.slice(1));
  }

  setEnabled(frame1: boolean, frame2: boolean): void {
    this.frame1.disabled = !frame1;
    this.frame2.disabled = !frame2;
  }

  private frame1Changed(control: string): void {
    this.apply("Frame1", this.frame1, this.frame1Fields, control);
  }

  private frame2Changed(control: string): void {
    this.apply("Frame2", this.frame2, this.frame2Fields, control);
  }

  // The core's rules first (a refused choice comes back as it was, a typed
  // password filtered), then the values as one step.
  private apply(window: string, scope: HTMLElement, fields: FormField[], control: string): void {
    const values: FormValues = {};
    for (const field of fields) values[field.control] = readField(scope, window, field);
    const document = this.host.document();
    const checked = document.checkForm(window, control, values);
    writeFields(scope, window, fields, checked.values);
    const outcome = document.applyForm(window, checked.values);
    if (checked.message) void this.host.messages.tell(checked.message);
    if (!outcome.ok && outcome.message) void this.host.messages.tell(outcome.message);
    this.host.changed();
  }

  private async bandChosen(): Promise<void> {
    const position = this.band.selectedIndex;
    const document = this.host.document();
    const choice = document.chooseBand(position);
    if (choice.ask) {
      const confirmed = await this.host.messages.ask(choice.question, choice.title);
      document.confirmBand(position, confirmed);
    }
    this.host.changed();
  }
}
