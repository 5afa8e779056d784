// The page laid out like the window program: menu bar and toolbar, the Type
// selection and Function Set panels, the channel grid, then the status line,
// progress bar and Cancel button of a transfer. It wires user actions to the
// core and shows the core's answers; it keeps no data of its own.
import type { Document, Language, Pl63Core } from "../core/pl63_core";
import { el, setText } from "./dom";
import { MessageBoxes } from "./dialogs";
import { FileCommands } from "./files";
import { ChannelGrid } from "./grid";
import { MenuBar, type Menu } from "./menus";
import { OptionWindows, type OptionWindowName } from "./option_windows";
import { Panels } from "./panels";
import { printSheet } from "./print_sheet";
import { ShellDialogs } from "./shell_dialogs";
import { rememberLanguage, Texts } from "./texts";
import { Toolbar, type ToolKey } from "./toolbar";
import { hasWebSerial, Transfer } from "./transfer";

const LOCK_KEY = "pl63.locked";
const VERIFY_KEY = "pl63.verify";
const SOURCE_KEY = "pl63.port";

export class App {
  readonly texts: Texts;
  readonly messages: MessageBoxes;
  readonly doc: Document;
  readonly transfer: Transfer;
  private readonly files: FileCommands;
  private readonly grid: ChannelGrid;
  private readonly panels: Panels;
  private readonly toolbar: Toolbar;
  private readonly menus: MenuBar;
  private readonly options: OptionWindows;
  private readonly shellDialogs: ShellDialogs;
  private readonly status = el("div", { id: "status", role: "status", class: "status", "aria-live": "polite" });
  private readonly progressBar = el("progress", { id: "ProgressBar1", max: 1, value: 0, hidden: true, "aria-labelledby": "status" });
  private readonly cancelButton = el("button", { type: "button", id: "cmdCancel", hidden: true });
  private readonly rights = el("p", { class: "rights", id: "Label2" });
  // The window's title, for screen readers: the page shows it in the browser's tab.
  private readonly heading = el("h1", { class: "visually-hidden" });
  private readonly notice = el("p", { class: "notice", id: "no-serial", role: "note", hidden: true });
  private readonly sheet = el("section", { id: "channel-sheet", class: "channel-sheet" });
  private readonly dropHint = el("div", { class: "drop-hint", "aria-hidden": "true" });
  private locked: boolean;
  private verify: boolean;
  private commandsOn = true;
  private cancellable = false;

  constructor(
    readonly core: Pl63Core,
    language: Language,
    private readonly storage: Storage | null,
  ) {
    this.texts = new Texts(core);
    this.texts.use(language);
    this.messages = new MessageBoxes(this.texts);
    this.doc = new core.Document(language);
    this.locked = storage?.getItem(LOCK_KEY) === "1";
    this.verify = storage?.getItem(VERIFY_KEY) === "1";

    const document = () => this.doc;
    const changed = () => this.refresh();
    this.transfer = new Transfer(core, this.doc, {
      status: (text) => setText(this.status, text),
      statusVisible: (visible) => this.status.classList.toggle("blink-off", !visible),
      progressShow: (maximum) => {
        this.progressBar.max = Math.max(1, maximum);
        this.progressBar.value = 0;
        this.progressBar.hidden = false;
      },
      progress: (value) => (this.progressBar.value = value),
      progressHide: () => (this.progressBar.hidden = true),
      commandsEnabled: (enabled) => {
        this.commandsOn = enabled;
        this.showCommandState();
      },
      cancellable: (on) => {
        this.cancellable = on;
        this.cancelButton.hidden = !on;
        if (!on && this.cancelButton.contains(globalThis.document.activeElement)) this.grid.focus();
      },
      documentChanged: changed,
    }, this.messages, this.texts, () => this.sampleDat());
    const savedSource = storage?.getItem(SOURCE_KEY);
    if (hasWebSerial() && (savedSource === "cable" || savedSource === "simulator")) this.transfer.source = savedSource;

    this.files = new FileCommands({
      texts: this.texts,
      messages: this.messages,
      document,
      commitEdits: () => this.grid.commitEditor(),
      changed,
    });
    this.grid = new ChannelGrid({ core, texts: this.texts, document, changed, tell: (text) => this.messages.tell(text) });
    this.panels = new Panels({
      core,
      texts: this.texts,
      messages: this.messages,
      document,
      changed,
    });
    this.options = new OptionWindows({
      core,
      texts: this.texts,
      messages: this.messages,
      document,
      changed,
      changePassword: (oldPassword, newPassword, confirm) => this.transfer.changePassword(oldPassword, newPassword, confirm),
    });
    this.shellDialogs = new ShellDialogs(core, this.texts);
    this.toolbar = new Toolbar(this.texts, (key) => void this.tool(key), (on) => this.chooseSource(on ? "simulator" : "cable"));
    this.menus = new MenuBar(() => this.menuList());
    this.cancelButton.addEventListener("click", () => this.transfer.cancel());
  }

  /** Builds the page into `root` and shows the current data. */
  mount(root: HTMLElement): void {
    const gridBox = el("div", { class: "grid-box" }, this.grid.table, this.grid.lists);
    root.replaceChildren(
      el("header", { class: "top" }, this.heading, this.menus.element, this.toolbar.element, this.notice),
      el("main", { class: "work" }, this.panels.element, gridBox),
      el("footer", { class: "bottom" },
        el("div", { class: "transfer-line" }, this.status, this.progressBar, this.cancelButton),
        this.rights),
    );
    globalThis.document.body.append(this.sheet, this.dropHint);
    this.notice.hidden = hasWebSerial();
    this.toolbar.simulator.checked = this.transfer.source === "simulator";
    this.toolbar.simulator.disabled = !hasWebSerial();
    this.installKeys();
    this.installDrop();
    window.addEventListener("beforeunload", (event) => {
      // The browser asks its own "leave page?" while there are unsaved edits.
      if (!this.doc.isModified()) return;
      event.preventDefault();
      event.returnValue = "";
    });
    window.addEventListener("beforeprint", () => printSheet(this.sheet, this.doc, this.texts));
    this.showCaptions();
  }

  /** The service worker has stored every file: the page now opens without a network. */
  offlineReady(): void {
    if (this.transfer.busy()) return;
    setText(this.status, this.texts.page("offlineReady"));
    this.status.classList.remove("blink-off");
  }

  setLanguage(language: Language): void {
    if (language === this.texts.language) return;
    this.grid.commitEditor();
    this.texts.use(language);
    this.doc.setLanguage(language);
    rememberLanguage(this.storage, language);
    this.showCaptions();
  }

  private showCaptions(): void {
    globalThis.document.documentElement.lang = this.texts.language === 0 ? "zh-CN" : "en";
    setText(this.rights, this.texts.get("Form1", "Label2"));
    setText(this.heading, this.texts.get("Form1", "Form1"));
    setText(this.cancelButton, this.texts.get("Form1", "cmdCancel"));
    setText(this.notice, this.texts.page("noWebSerial"));
    setText(this.dropHint, this.texts.page("dropFile"));
    this.toolbar.showCaptions();
    this.panels.showCaptions();
    this.grid.showCaptions();
    this.refresh();
  }

  /** After any change of the document: every view shows it again. */
  refresh(): void {
    this.grid.showChannels();
    this.panels.showData();
    this.menus.render();
    this.showCommandState();
    const name = this.doc.fileName();
    const title = this.texts.get("Form1", "Form1");
    globalThis.document.title = `${name ? `${name}${this.doc.isModified() ? " *" : ""} - ` : ""}${title}`;
  }

  private showCommandState(): void {
    for (const key of ["new", "open", "save", "read", "write"] as ToolKey[]) this.toolbar.setEnabled(key, this.commandsOn);
    this.panels.setEnabled(!this.locked, !this.locked);
    this.grid.setEnabled(!this.locked);
    this.menus.render();
  }

  private async tool(key: ToolKey): Promise<void> {
    if (!this.commandsOn) return;
    switch (key) {
      case "new":
        return this.files.newCodeplug();
      case "open":
        return this.files.open();
      case "save":
        await this.files.save();
        return;
      case "read":
        return this.read();
      case "write":
        this.grid.commitEditor();
        return this.transfer.write(this.verify);
    }
  }

  private async read(): Promise<void> {
    // A read replaces the data: unsaved edits are settled first, as Open does.
    if (!(await this.files.settleUnsaved())) return;
    await this.transfer.read();
  }

  private chooseSource(source: "cable" | "simulator"): void {
    this.transfer.source = source;
    this.toolbar.simulator.checked = source === "simulator";
    try {
      this.storage?.setItem(SOURCE_KEY, source);
    } catch {
      // Not remembered; the choice holds for this visit.
    }
  }

  private remember(key: string, on: boolean): void {
    try {
      this.storage?.setItem(key, on ? "1" : "0");
    } catch {
      // Not remembered; the choice holds for this visit.
    }
  }

  private menuList(): Menu[] {
    const t = (control: string, index = 0) => this.texts.get("Form1", control, index);
    const on = this.commandsOn;
    const history = this.doc.history();
    const shown = (text: string) => text.replace(/&(&?)/g, (_m, second: string) => second);
    const option = (id: string, window: OptionWindowName) => ({ id, label: t(id), action: () => this.options.open(window) });
    return [
      { id: "mnuFile", label: t("mnuFile"), items: () => [
        { id: "mnuNew", label: t("mnuNew"), enabled: on, action: () => void this.tool("new") },
        { id: "mnuOpen", label: t("mnuOpen"), enabled: on, action: () => void this.tool("open") },
        { id: "mnuAssave", label: t("mnuAssave"), enabled: on, action: () => void this.tool("save") },
        { id: "mnuImport", label: t("mnuImport"), enabled: on, separatorBefore: true, action: () => void this.files.importChannels() },
        { id: "mnuExport", label: t("mnuExport"), group: [
          { id: "mnuExportChirp", label: t("mnuExportChirp"), action: () => this.files.exportChannels("chirp") },
          { id: "mnuExportPl63", label: t("mnuExportPl63"), action: () => this.files.exportChannels("pl63") },
        ] },
        { id: "mnuCompare", label: t("mnuCompare"), action: () => void this.files.compareWithFile() },
        { id: "mnuPrint", label: t("mnuPrint"), separatorBefore: true, action: () => this.print() },
      ] },
      { id: "mnuEdit", label: t("mnuEdit"), items: () => [
        { id: "mnuUndo", label: shown(history.undoItem), enabled: history.canUndo, action: () => this.undo(false) },
        { id: "mnuRedo", label: shown(history.redoItem), enabled: history.canRedo, action: () => this.undo(true) },
      ] },
      { id: "mnupro", label: t("mnupro"), items: () => [
        { id: "mnureadFre", label: t("mnureadFre"), enabled: on, action: () => void this.tool("read") },
        { id: "mnuwriteFre", label: t("mnuwriteFre"), enabled: on, action: () => void this.tool("write") },
        { id: "mnuVerify", label: this.texts.page("verifyWrite"), checked: this.verify, action: () => {
          this.verify = !this.verify;
          this.remember(VERIFY_KEY, this.verify);
          this.menus.render();
        } },
        { ...option("mnudtmf", "Form5"), separatorBefore: true },
        option("Key_enactment", "Form6"),
        option("mnusetin", "Form7"),
        option("mnudebug", "Form2"),
        option("mnutestfre", "Form4"),
      ] },
      { id: "mnuset", label: t("mnuset"), items: () => [
        { id: "mnulock", label: t("mnulock"), checked: this.locked, action: () => this.setLocked(!this.locked) },
        { id: "mnuPass", label: t("mnuPass"), action: () => this.options.openPassword() },
        { id: "mnucom", label: t("mnucom"), enabled: on, action: () => void this.choosePort() },
      ] },
      { id: "mnuLanguage", label: t("mnuLanguage"), items: () => [
        { id: "mnuChinese", label: t("mnuChinese"), radio: true, checked: this.texts.language === 0, action: () => this.setLanguage(0) },
        { id: "mnuEnglish", label: t("mnuEnglish"), radio: true, checked: this.texts.language === 1, action: () => this.setLanguage(1) },
      ] },
      { id: "mnuhelp", label: t("mnuhelp"), items: () => [
        { id: "mnuabout", label: t("mnuabout"), action: () => this.shellDialogs.about() },
      ] },
    ];
  }

  private undo(redo: boolean): void {
    this.grid.commitEditor();
    if (redo) this.doc.redo();
    else this.doc.undo();
    this.refresh();
  }

  private setLocked(locked: boolean): void {
    this.locked = locked;
    this.remember(LOCK_KEY, locked);
    this.showCommandState();
  }

  private async choosePort(): Promise<void> {
    const chosen = await this.shellDialogs.port(this.transfer.source, hasWebSerial());
    if (!chosen) return;
    this.chooseSource(chosen.source);
    if (chosen.port) this.transfer.useCablePort(chosen.port);
  }

  private print(): void {
    this.grid.commitEditor();
    printSheet(this.sheet, this.doc, this.texts);
    window.print();
  }

  private async sampleDat(): Promise<Uint8Array> {
    const response = await fetch("sample.DAT");
    return new Uint8Array(await response.arrayBuffer());
  }

  private installKeys(): void {
    globalThis.document.addEventListener("keydown", (event) => {
      const dialogOpen = globalThis.document.querySelector("dialog[open]") !== null;
      if (event.key === "Escape" && this.cancellable && !dialogOpen) {
        event.preventDefault();
        this.transfer.cancel();
        return;
      }
      if (dialogOpen || !(event.ctrlKey || event.metaKey) || event.altKey) return;
      const target = event.target as HTMLElement;
      // In a text box Ctrl+Z undoes typing, as the browser does it.
      const typing = target.matches?.("input:not([type=checkbox]):not([type=radio]), textarea");
      const key = event.key.toLowerCase();
      if (key === "z" && !typing) {
        event.preventDefault();
        this.undo(event.shiftKey);
      } else if (key === "y" && !typing) {
        event.preventDefault();
        this.undo(true);
      } else if (key === "s" && this.commandsOn) {
        event.preventDefault();
        void this.tool("save");
      } else if (key === "o" && this.commandsOn) {
        event.preventDefault();
        void this.tool("open");
      }
    });
  }

  private installDrop(): void {
    const body = globalThis.document.body;
    body.addEventListener("dragover", (event) => {
      if (!event.dataTransfer?.types.includes("Files")) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
      body.classList.add("dropping");
    });
    body.addEventListener("dragleave", (event) => {
      if (event.relatedTarget === null) body.classList.remove("dropping");
    });
    body.addEventListener("drop", (event) => {
      body.classList.remove("dropping");
      if (!event.dataTransfer?.files.length) return;
      event.preventDefault();
      if (!this.commandsOn) return;
      void this.files.dropped(event.dataTransfer);
    });
  }
}
