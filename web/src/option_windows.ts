// The five option windows (Form2 debug, Form4 test frequencies, Form5
// optional functions, Form6 keys, Form7 embedded information) and the
// password window, as modal dialogs. The fields, their lists and the rules
// that run while a window is open are the core's; OK hands the values back
// as one undo step, Cancel and Escape leave the data as they were.
import type { Document, FormField, FormValues, Pl63Core } from "../core/pl63_core";
import { el } from "./dom";
import { modal, type MessageBoxes } from "./dialogs";
import { fieldControl, readField, writeFields } from "./form_fields";
import type { Texts } from "./texts";

export type OptionWindowName = "Form2" | "Form4" | "Form5" | "Form6" | "Form7";

export interface OptionHost {
  core: Pl63Core;
  texts: Texts;
  messages: MessageBoxes;
  document(): Document;
  changed(): void;
  /** The password window's Create: the refusal text, '' when the change started. */
  changePassword(oldPassword: string, newPassword: string, confirm: string): Promise<string>;
}

// Where each window's title comes from: its own title row, or the menu item
// that opens it when the window has none.
const TITLES: Record<OptionWindowName | "FormUsePass", [string, string]> = {
  Form2: ["Form1", "mnudebug"],
  Form4: ["Form1", "mnutestfre"],
  Form5: ["Form5", "Form5"],
  Form6: ["Form6", "Form6"],
  Form7: ["Form7", "Form7"],
  FormUsePass: ["Form1", "mnuPass"],
};

export class OptionWindows {
  constructor(private readonly host: OptionHost) {}

  open(window: OptionWindowName): void {
    const { texts } = this.host;
    const document = this.host.document();
    const fields: FormField[] = document.form(window);
    const [titleWindow, titleControl] = TITLES[window];
    const { dialog, body, buttons } = modal(texts.get(titleWindow, titleControl), `option-window ${window}`);
    dialog.id = window;
    const changed = (control: string) => {
      const checked = document.checkForm(window, control, this.values(body, window, fields));
      writeFields(body, window, fields, checked.values);
      if (checked.message) void this.host.messages.tell(checked.message);
    };
    const { core } = this.host;
    const rules = {
      snap: (rx: string, tx: string, column: number) => core.snapTestFrequency(rx, tx, column),
      editable: (rx: string, tx: string, column: number) => core.testFrequencyEditable(rx, tx, column),
    };
    // Boxes without a caption (the embedded lines) are named by the window and their place.
    const title = texts.get(titleWindow, titleControl);
    body.append(...fields.map((field, index) => fieldControl(field, window, () => changed(field.control), rules, `${title} ${index + 1}`)));

    const close = () => {
      dialog.close();
      dialog.remove();
    };
    const ok = el("button", { type: "button", class: "default" }, texts.get(window, "Command1"));
    ok.addEventListener("click", () => {
      const outcome = document.applyForm(window, this.values(body, window, fields));
      if (!outcome.ok) {
        void this.host.messages.tell(outcome.message);
        return;
      }
      close();
      this.host.changed();
      if (outcome.message) void this.host.messages.tell(outcome.message);
    });
    buttons.append(ok);
    // The debug window has OK only; closing it is its Cancel.
    if (window !== "Form2") {
      const cancel = el("button", { type: "button" }, texts.get(window, "Command2"));
      cancel.addEventListener("click", close);
      buttons.append(cancel);
    }
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      close();
    });
    dialog.showModal();
    (body.querySelector<HTMLElement>("select, input:not([disabled])") ?? ok).focus();
  }

  private values(scope: HTMLElement, window: string, fields: FormField[]): FormValues {
    const values: FormValues = {};
    for (const field of fields) values[field.control] = readField(scope, window, field);
    return values;
  }

  /** The communication password window: old, new and confirmation, then Create. */
  openPassword(): void {
    const { texts } = this.host;
    const [titleWindow, titleControl] = TITLES.FormUsePass;
    const { dialog, body, buttons } = modal(texts.get(titleWindow, titleControl), "option-window FormUsePass");
    dialog.id = "FormUsePass";
    // The boxes as the core gives them: captions, 16-character limit, and
    // the old and new boxes disabled in login mode.
    const fields = this.host.document().form("FormUsePass");
    for (const field of fields) {
      const control = fieldControl(field, "FormUsePass", () => undefined);
      const input = control.querySelector("input");
      if (input) input.type = "password";
      body.append(control);
    }
    const value = (control: string) =>
      (body.querySelector<HTMLInputElement>(`#FormUsePass-${control}`)?.value ?? "");
    const close = () => {
      dialog.close();
      dialog.remove();
    };
    const create = el("button", { type: "button", class: "default" }, texts.get("FormUsePass", "Command3"));
    create.addEventListener("click", async () => {
      const refusal = await this.host.changePassword(value("Text1"), value("Text2"), value("Text3"));
      if (refusal) {
        void this.host.messages.tell(refusal);
        return;
      }
      close();
    });
    const cancel = el("button", { type: "button" }, texts.get("FormUsePass", "Command2"));
    cancel.addEventListener("click", close);
    buttons.append(create, cancel);
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      close();
    });
    dialog.showModal();
    (body.querySelector<HTMLInputElement>("input:not([disabled])") ?? create).focus();
  }
}
