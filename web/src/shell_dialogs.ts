// About and the communication port choice: the page's two windows that hold
// no codeplug data.
import type { Pl63Core } from "../core/pl63_core";
import { el } from "./dom";
import { modal } from "./dialogs";
import type { PortSource } from "./transfer";
import type { Texts } from "./texts";

export class ShellDialogs {
  constructor(
    private readonly core: Pl63Core,
    private readonly texts: Texts,
  ) {}

  about(): void {
    const t = (control: string) => this.texts.get("frmAbout", control);
    const { dialog, body, buttons } = modal(t("lblTitle").trim(), "about");
    dialog.id = "frmAbout";
    body.append(
      el("img", { src: "icons/pl63.svg", alt: "", width: 64, height: 64, class: "about-picture" }),
      el("div", { class: "about-lines" },
        el("p", {}, t("lblVersion")),
        el("p", {}, t("Label2")),
        el("p", {}, t("lblDescription")),
        el("p", { id: "about-version" }, `${this.texts.page("version")} ${this.core.version()}`)),
    );
    const ok = el("button", { type: "button", class: "default" }, t("cmdOK"));
    const close = () => {
      dialog.close();
      dialog.remove();
    };
    ok.addEventListener("click", close);
    dialog.addEventListener("close", () => dialog.remove());
    buttons.append(ok);
    dialog.showModal();
    ok.focus();
  }

  /** Cable or simulated radio; null when cancelled. Without Web Serial only the simulator is offered. */
  port(current: PortSource, serialAvailable: boolean): Promise<{ source: PortSource; port: SerialPort | null } | null> {
    const { dialog, body, buttons } = modal(this.texts.get("Form1", "mnucom"), "port-choice");
    const connection = this.texts.page("connection");
    dialog.id = "FormCOM";
    const choice = (value: PortSource, caption: string, disabled: boolean) => {
      const radio = el("input", { type: "radio", name: "port-source", value, disabled });
      radio.checked = value === current;
      return { radio, label: el("label", { class: "field check" }, radio, caption) };
    };
    const cable = choice("cable", this.texts.page("radioCable"), !serialAvailable);
    const simulator = choice("simulator", this.texts.page("simulatedRadio"), false);
    const group = el("div", { role: "radiogroup", "aria-label": connection }, cable.label, simulator.label);
    body.append(group);
    if (!serialAvailable) body.append(el("p", { class: "notice" }, this.texts.page("noWebSerial")));
    return new Promise((resolve) => {
      const finish = (value: { source: PortSource; port: SerialPort | null } | null) => {
        dialog.close();
        dialog.remove();
        resolve(value);
      };
      const ok = el("button", { type: "button", class: "default" }, this.texts.get("Form5", "Command1"));
      ok.addEventListener("click", async () => {
        const source: PortSource = simulator.radio.checked ? "simulator" : "cable";
        let port: SerialPort | null = null;
        if (source === "cable" && navigator.serial) {
          // The browser's own chooser: the port granted here is the one Read and Write use.
          try {
            port = await navigator.serial.requestPort();
          } catch {
            // Closed without a choice: the port granted before (if any) stays.
          }
        }
        finish({ source, port });
      });
      const cancel = el("button", { type: "button" }, this.texts.get("Form1", "cmdCancel"));
      cancel.addEventListener("click", () => finish(null));
      dialog.addEventListener("cancel", (event) => {
        event.preventDefault();
        finish(null);
      });
      buttons.append(ok, cancel);
      dialog.showModal();
      (simulator.radio.checked ? simulator.radio : cable.radio).focus();
    });
  }
}
