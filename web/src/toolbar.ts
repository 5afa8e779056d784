// Toolbar1: New, Open, Save | Read frequency, Write frequency, each a button
// named by the window program's tooltip, plus the choice of the simulated
// radio instead of the cable.
import { el, setText } from "./dom";
import type { Texts } from "./texts";

export type ToolKey = "new" | "open" | "save" | "read" | "write";

// Button key and its tooltip's entry in Form1's Toolbar1 row, in order.
const BUTTONS: [ToolKey, number][] = [
  ["new", 1],
  ["open", 2],
  ["save", 3],
  ["read", 5],
  ["write", 6],
];

export class Toolbar {
  readonly element: HTMLElement;
  readonly simulator: HTMLInputElement;
  private readonly buttons = new Map<ToolKey, HTMLButtonElement>();
  private readonly simulatorText = el("span");

  constructor(private readonly texts: Texts, press: (key: ToolKey) => void, simulatorChanged: (on: boolean) => void) {
    this.element = el("div", { role: "toolbar", id: "Toolbar1", class: "toolbar" });
    for (const [key] of BUTTONS) {
      const button = el("button", { type: "button", id: `tool-${key}`, class: `tool ${key}` },
        el("img", { src: `icons/${key}.svg`, alt: "", width: 32, height: 32 }));
      button.addEventListener("click", () => press(key));
      this.buttons.set(key, button);
      this.element.append(button);
      if (key === "save") this.element.append(el("span", { class: "tool-separator", role: "separator" }));
    }
    this.simulator = el("input", { type: "checkbox", id: "simulated-radio" });
    this.simulator.addEventListener("change", () => simulatorChanged(this.simulator.checked));
    this.element.append(el("span", { class: "tool-separator", role: "separator" }),
      el("label", { class: "simulator-choice" }, this.simulator, this.simulatorText));
  }

  showCaptions(): void {
    for (const [key, entry] of BUTTONS) {
      const caption = this.texts.get("Form1", "Toolbar1", entry);
      const button = this.buttons.get(key)!;
      button.setAttribute("aria-label", caption);
      button.title = caption;
    }
    setText(this.simulatorText, this.texts.page("tryWithoutRadio"));
  }

  setEnabled(key: ToolKey, enabled: boolean): void {
    this.buttons.get(key)!.disabled = !enabled;
  }
}
