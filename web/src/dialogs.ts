// Message boxes and questions as real modal <dialog>s: the rest of the page
// is inert while one is open, so the focus stays inside it, and Escape
// answers Cancel (or OK where there is nothing else).
import { el } from "./dom";
import type { Texts } from "./texts";

// Message styles the core uses (the standard message-box numbers).
const STYLE_CRITICAL = 16;
const STYLE_INFORMATION = 64;

let counter = 0;

/** A modal dialog whose accessible name is its heading. */
export function modal(title: string, className = ""): { dialog: HTMLDialogElement; body: HTMLElement; buttons: HTMLElement } {
  const id = `dialog-title-${++counter}`;
  const body = el("div", { class: "dialog-body" });
  const buttons = el("div", { class: "dialog-buttons" });
  const dialog = el(
    "dialog",
    { "aria-labelledby": id, class: className },
    el("h2", { id, class: "dialog-title" }, title),
    body,
    buttons,
  );
  document.body.append(dialog);
  return { dialog, body, buttons };
}

/** The dialog's answer, and how a button gives it; Escape gives `onCancel`. */
function settle<T>(dialog: HTMLDialogElement, onCancel: T): { answered: Promise<T>; finish: (value: T) => void } {
  let finish: (value: T) => void = () => undefined;
  const answered = new Promise<T>((resolve) => {
    let done = false;
    finish = (value: T) => {
      if (done) return;
      done = true;
      dialog.close();
      dialog.remove();
      resolve(value);
    };
  });
  dialog.addEventListener("cancel", (event) => {
    event.preventDefault();
    finish(onCancel);
  });
  return { answered, finish };
}

// A message box's dialog: its text, which screen readers read as its description.
function messageDialog(title: string, text: string, role: string) {
  const parts = modal(title, "message");
  parts.dialog.setAttribute("role", role);
  const message = el("p", { class: "message-text", id: `message-${counter}` }, text);
  parts.dialog.setAttribute("aria-describedby", message.id);
  parts.body.append(message);
  return parts;
}

export class MessageBoxes {
  constructor(private readonly texts: Texts) {}

  private title(): string {
    return this.texts.get("Form1", "Form1");
  }

  private ok(): string {
    return this.texts.button("ok");
  }

  private cancel(): string {
    return this.texts.button("cancel");
  }

  /** A message with OK; `style` 16 marks an error, 64 information. */
  tell(text: string, style = 0, title = this.title()): Promise<void> {
    const { dialog, buttons } = messageDialog(title, text, style === STYLE_CRITICAL ? "alertdialog" : "dialog");
    if (style === STYLE_CRITICAL) dialog.classList.add("critical");
    if (style === STYLE_INFORMATION) dialog.classList.add("information");
    const { answered, finish } = settle<void>(dialog, undefined);
    const ok = el("button", { type: "button", class: "default" }, this.ok());
    ok.addEventListener("click", () => finish(undefined));
    buttons.append(ok);
    dialog.showModal();
    ok.focus();
    return answered;
  }

  /** A question with OK (or `yes`) and Cancel; Cancel is the default, as the desktop asks. */
  ask(text: string, title = this.title(), yes = this.ok()): Promise<boolean> {
    const { dialog, buttons } = messageDialog(title, text, "alertdialog");
    const { answered, finish } = settle<boolean>(dialog, false);
    const okButton = el("button", { type: "button" }, yes);
    const cancelButton = el("button", { type: "button", class: "default" }, this.cancel());
    okButton.addEventListener("click", () => finish(true));
    cancelButton.addEventListener("click", () => finish(false));
    buttons.append(okButton, cancelButton);
    dialog.showModal();
    cancelButton.focus();
    return answered;
  }

  /** A question with several answers; the index of the button pressed, the last (Cancel) on Escape. */
  choose(text: string, answers: string[], title = this.title()): Promise<number> {
    const { dialog, buttons } = messageDialog(title, text, "alertdialog");
    const { answered, finish } = settle<number>(dialog, answers.length - 1);
    const pressed = answers.map((answer, index) => {
      const button = el("button", { type: "button" }, answer);
      button.addEventListener("click", () => finish(index));
      return button;
    });
    buttons.append(...pressed);
    dialog.showModal();
    pressed[0]?.focus();
    return answered;
  }

  /** Lines to read and copy (rows left out, differences), under a heading. */
  list(title: string, heading: string, lines: string): Promise<void> {
    const { dialog, body, buttons } = modal(title, "list");
    const text = el("textarea", { readonly: true, rows: 14, cols: 72, "aria-label": heading });
    text.value = lines;
    body.append(el("p", {}, heading), text);
    const { answered, finish } = settle<void>(dialog, undefined);
    const ok = el("button", { type: "button", class: "default" }, this.ok());
    ok.addEventListener("click", () => finish(undefined));
    buttons.append(ok);
    dialog.showModal();
    ok.focus();
    return answered;
  }
}
