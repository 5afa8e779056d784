// The Type selection (Frame1) and Function Set (Frame2) panels above the
// grid. Their lists and values come from the core; a choice goes straight
// back to it as one undo step.
import type { Document, FormField, FormValues, Pl63Core } from "../core/pl63_core";
import { el, setText } from "./dom";
import { fieldControl, readField } from "./form_fields";
import type { MessageBoxes } from "./dialogs";
import type { Texts } from "./texts";

export interface PanelHost {
  core: Pl63Core;
  texts: Texts;
  messages: MessageBoxes;
  document(): Document;
  changed(): void;
  /** The password box's text, which a transfer sends when the radio asks for it. */
  passwordBoxChanged(text: string): void;
}

export class Panels {
  readonly element: HTMLElement;
  private readonly frame1Legend = el("legend");
  private readonly frame2Legend = el("legend");
  private readonly modelLabel = el("label", { for: "Combo10" });
  private readonly model = el("select", { id: "Combo10" });
  private readonly bandLabel = el("label", { for: "Combo1" });
  private readonly band = el("select", { id: "Combo1" });
  private readonly passwordLabel = el("label", { for: "Text2" });
  private readonly password = el("input", { id: "Text2", type: "password", autocomplete: "off", spellcheck: "false" });
  private readonly frame1: HTMLFieldSetElement;
  private readonly frame2: HTMLFieldSetElement;
  private readonly options = el("div", { class: "function-set" });
  private readonly switches = el("div", { class: "function-switches" });
  private fields: FormField[] = [];

  constructor(private readonly host: PanelHost) {
    this.frame1 = el(
      "fieldset",
      { id: "Frame1", class: "panel type-selection" },
      this.frame1Legend,
      el("div", { class: "pairs" }, this.modelLabel, this.model, this.bandLabel, this.band, this.passwordLabel, this.password),
    );
    this.frame2 = el("fieldset", { id: "Frame2", class: "panel" }, this.frame2Legend, this.options, this.switches);
    this.element = el("div", { class: "panels" }, this.frame1, this.frame2);
    this.band.addEventListener("change", () => void this.bandChosen());
    this.password.addEventListener("input", () => host.passwordBoxChanged(this.password.value));
  }

  showCaptions(): void {
    const { texts } = this.host;
    setText(this.frame1Legend, texts.get("Form1", "Frame1"));
    setText(this.frame2Legend, texts.get("Form1", "Frame2"));
    setText(this.modelLabel, texts.get("Form1", "Label10"));
    setText(this.bandLabel, texts.get("Form1", "Label3"));
    setText(this.passwordLabel, texts.get("Form1", "Label9"));
    this.model.replaceChildren(el("option", {}, texts.get("Form1", "Combo10", 0)));
    this.band.replaceChildren(...this.host.core.bands().map((band) => el("option", {}, band.text)));
    this.showData();
  }

  /** The panels from the document (after an open, a read, undo, a language switch). */
  showData(): void {
    const document = this.host.document();
    this.band.selectedIndex = document.band();
    this.fields = document.form("Frame2");
    const lists = this.fields.filter((field) => field.kind !== "check");
    const checks = this.fields.filter((field) => field.kind === "check");
    this.options.replaceChildren(...lists.map((field) => this.control(field)));
    this.switches.replaceChildren(...checks.map((field) => this.control(field)));
  }

  setEnabled(frame1: boolean, frame2: boolean): void {
    this.frame1.disabled = !frame1;
    this.frame2.disabled = !frame2;
  }

  private control(field: FormField): HTMLElement {
    return fieldControl(field, "Frame2", () => this.optionChanged(field.control));
  }

  private optionChanged(control: string): void {
    const values: FormValues = {};
    for (const field of this.fields) values[field.control] = readField(this.options.parentElement!, "Frame2", field);
    const document = this.host.document();
    const checked = document.checkForm("Frame2", control, values);
    const outcome = document.applyForm("Frame2", checked.values);
    if (checked.message) void this.host.messages.tell(checked.message);
    if (!outcome.ok && outcome.message) void this.host.messages.tell(outcome.message);
    this.host.changed();
    this.showData();
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

  /** The password box shows the codeplug's password as the core gives it. */
  setPasswordBox(text: string): void {
    if (this.password.value !== text) this.password.value = text;
  }
}
