// The pl63 core as the page sees it: the same C++ codec, entry rules, reports
// and link engine the desktop program runs, compiled to WebAssembly.
// Rows are channel numbers 1..16, grid columns 0..8 (0 = channel number,
// 1 RX frequency, 2 RX tone, 3 TX frequency, 4 TX tone, 5 power, 6 forbid,
// 7 band width, 8 scan). Every text is in the language asked for.
// Objects made with `new` live in WebAssembly memory: call delete() when done.

/** 0 Chinese, 1 English (the program's LanguageFlag). */
export type Language = 0 | 1;

export interface Pl63CoreOptions {
  /** The .wasm bytes; Node passes them this way, the browser may fetch. */
  wasmBinary?: ArrayBuffer | Uint8Array;
  /** Where the .wasm lies; default: beside pl63_core.js. */
  locateFile?: (path: string, prefix: string) => string;
}

/** Loads the module (ES module default export of pl63_core.js). */
export default function createPl63Core(options?: Pl63CoreOptions): Promise<Pl63Core>;

/** One caption: window objectName, control objectName, entry/column index, text. */
export interface CaptionRow {
  window: string;
  control: string;
  index: number;
  /** Element of a control array (the grid's lists Combo5 5..8); -1 for none. */
  element: number;
  text: string;
}

/** An action the core may refuse: the refusal's text in the document's language. */
export interface Outcome {
  ok: boolean;
  /** Why it was refused, or a warning about what was done; '' for none. */
  message: string;
}

export interface OpenOutcome extends Outcome {
  /** Channels holding values no radio can (kept as they are); '' for none. */
  warning: string;
}

export interface CellOutcome extends Outcome {
  /** True when the grid changed (one undo step was recorded). */
  changed: boolean;
}

export interface Band {
  text: string;
  lowMHz: number;
  /** The band is lowMHz <= f < highMHz. */
  highMHz: number;
}

/** What choosing a band in the band list asks. */
export interface BandChoice {
  /** True when the user must be asked (the channels would be cleared). */
  ask: boolean;
  question: string;
  title: string;
}

export type FieldKind = "list" | "check" | "text" | "number" | "table";

/** One control of an option window or of the Function Set panel. */
export interface FormField {
  /** The control's objectName ("Combo3"), the key of `values`. */
  control: string;
  kind: FieldKind;
  /** The caption shown beside it ('' when it has none); for the password window's
   *  boxes, the text of the label that names them ("Old Password:"). */
  caption: string;
  /** Entries of a list. */
  items: string[];
  /** Position (-1 no selection), checked, text, number, or table rows. */
  value: number | boolean | string | string[][];
  /** Longest text a text field takes; 0 for no limit. */
  maxLength: number;
  /** Range of a number field. */
  min: number;
  max: number;
  /** False when the control is shown but cannot be changed now. */
  enabled: boolean;
  /** Table: its column headers. */
  headers: string[];
}

export type FormValues = Record<string, number | boolean | string | string[][]>;

/** What the form rules make of a change the user made to one control. */
export interface FormCheck {
  /** The controls' values after the rules ran (a refused choice is put back). */
  values: FormValues;
  /** Message to show the user; '' for none. */
  message: string;
}

export interface LeftOutRow {
  line: number;
  frequency: string;
  reason: string;
}

export interface ImportOutcome extends Outcome {
  /** CHIRP rows left out with skipUnfit. */
  leftOut: LeftOutRow[];
  /** Warnings about what was imported (DCS digits 8/9 and the like). */
  warnings: string[];
  format: "pl63" | "chirp";
  /** The list the window shows afterwards (rows left out, warnings); '' title for none. */
  listTitle: string;
  listHeading: string;
  listLines: string;
}

export interface CompareOutcome extends Outcome {
  /** "A: this window    B: <file>". */
  heading: string;
  /** Lines ending in "\n"; '' when both give the radio the same bytes. */
  differences: string;
}

export interface SheetSection {
  title: string;
  values: [string, string][];
}

/** The channel sheet's content for a print style sheet. */
export interface ChannelSheet {
  title: string;
  facts: [string, string][];
  gridHeader: string[];
  channels: string[][];
  sections: SheetSection[];
}

/** The names of the steps undo and redo would take back; '' for none. */
export interface HistoryState {
  canUndo: boolean;
  canRedo: boolean;
  undoName: string;
  redoName: string;
  /** The Edit menu's item texts naming the step ("&Undo: channel 4 RX frequency"). */
  undoItem: string;
  redoItem: string;
}

/** The data the user edits: the codeplug, its file name, modified mark, undo history. */
export interface Document {
  delete(): void;
  language(): Language;
  /** A language switch: grid texts follow it; no undo step. */
  setLanguage(language: Language): void;

  /** New: the start-up codeplug, no file; one undo step. */
  newCodeplug(): void;
  /** Open: a .DAT file's bytes; a hostile file is refused with the core's message and nothing changes. */
  openDat(bytes: Uint8Array, fileName: string): OpenOutcome;
  /** The .DAT bytes of the current data (signature + 848 image bytes). */
  saveDat(): Uint8Array;
  /** A save (download or write-back) succeeded. */
  markSaved(fileName: string): void;
  fileName(): string;
  isModified(): boolean;
  /** The 848 bytes the radio would be given. */
  image(): Uint8Array;
  /** The unsaved-changes question naming the file (or "untitled"). */
  unsavedQuestion(): string;

  /** All 16 rows x 9 cell texts as the grid shows them. */
  grid(): string[][];
  cell(row: number, column: number): string;
  inUse(row: number): boolean;
  /** The column an editor opens on for a click on (row, column): RX frequency for an empty channel. */
  columnToEdit(row: number, column: number): number;
  /** Commits typed text into a frequency or tone cell through the entry rules. */
  commitCell(row: number, column: number, typed: string): CellOutcome;
  /** Picks entry `position` of the tone list (toneList()) for a tone cell. */
  chooseTone(row: number, column: number, position: number): CellOutcome;
  /** Picks entry `position` (0/1) of a list column's cell of a channel in use. */
  setListCell(row: number, column: number, position: number): CellOutcome;
  /** Delete: empties the channel. */
  deleteChannel(row: number): CellOutcome;

  /** Position of the selected band in bands(). */
  band(): number;
  /** The user picked a band: applied at once, or `ask` with the question. */
  chooseBand(position: number): BandChoice;
  /** The answer: OK clears the channels and takes the band; Cancel keeps everything. */
  confirmBand(position: number, confirmed: boolean): void;

  /** Fields of "Frame1" (Type selection: model list Combo10, password box Text2),
   *  "Frame2" (Function Set), "Form2" (debug), "Form4" (test frequencies),
   *  "Form5" (optional functions), "Form6" (keys), "Form7" (embedded information),
   *  "FormUsePass" (the password window's boxes Text1..3; enabled follows login mode). */
  form(window: string): FormField[];
  /** The rules that run while a window is open, after `control` changed (texts
   *  filtered, Form5's priority/preferred channel). Form4 cells: snapTestFrequency. */
  checkForm(window: string, control: string, values: FormValues): FormCheck;
  /** OK: writes the values as one undo step named after the window (a single Function Set
   *  control: after the control; "Frame1" Text2: the "communication password" step, one for
   *  a word typed key by key); refusals change nothing. "FormUsePass" stores nothing:
   *  its Create is Link.startPasswordChange. */
  applyForm(window: string, values: FormValues): Outcome;

  /** CSV or CHIRP CSV (detected); skipUnfit leaves out CHIRP rows the radio cannot hold. */
  importChannels(csv: string, skipUnfit: boolean): ImportOutcome;
  exportChannels(format: "pl63" | "chirp"): string;
  /** Compare with a .DAT file's bytes; the file's name goes into the heading. */
  compareWith(bytes: Uint8Array, fileName?: string): CompareOutcome;
  channelSheet(date: string): ChannelSheet;
  /** `pl63 show`'s text of the current data. */
  report(): string;

  /** Login mode (session, not data): no password check; the password window's old/new boxes disabled. */
  setLoginMode(on: boolean): void;
  loginMode(): boolean;
  /** A click on a hidden mode's caption: "login" (Function Set: 0 Label6 Squelch Grade,
   *  1 Label1 Time-out Warn, 2 Label12 VOX Delay time) or "tune" (Form5: 0 Label4 PTT ID,
   *  1 Label11 Duplicate, 2 Label15 Preferred channel), at the time of day in seconds
   *  (fraction allowed). True when the mode is (re-)entered: show its toolbar button. */
  captionClicked(gesture: "login" | "tune", caption: number, seconds: number): boolean;
  /** A click on the toolbar button "Login" or "TAnMa"; true on the second click within a
   *  second: the mode was left, hide the button. */
  exitClicked(button: "Login" | "TAnMa", seconds: number): boolean;
  tuneMode(): boolean;
  /** Tune mode's gesture unlocked the debug window's tuning values (a write sends them). */
  debugUnlocked(): boolean;

  history(): HistoryState;
  undo(): void;
  redo(): void;
}

/** What the link engine asks of the page. All calls come synchronously from link methods. */
export interface LinkCallbacks {
  /** True when a port (or the simulated radio) is open. */
  portIsOpen(): boolean;
  /** One frame's bytes out to the port (9600 baud 8-N-1). */
  send(bytes: Uint8Array): void;
  /** Timer1 (500 ms) and Timer2 (200 ms): call tick1() / tick2() while on. */
  timer1(running: boolean): void;
  timer2(running: boolean): void;
  status(text: string): void;
  statusVisible(visible: boolean): void;
  /** Show the progress bar 0..maximum at 0; value; hide it. */
  progressShow(maximum: number): void;
  progress(value: number): void;
  progressHide(): void;
  /** Read/Write/New/Open... enabled (false while a transfer runs). */
  commandsEnabled(enabled: boolean): void;
  /** A message box; style 0 plain, 16 critical, 64 information. */
  message(text: string, style: number): void;
  /** The transfer ended; the status line already says how. */
  ended(outcome: LinkOutcome): void;
}

export type LinkOutcome =
  | "read" | "written" | "verified" | "notKept" | "passwordChanged"
  | "timedOut" | "passwordWrong" | "cancelled";

/** The link engine with the page as its host; reads go into `document`. */
export interface Link {
  delete(): void;
  /** Read frequency; false when not started (busy, or port closed: message already shown). */
  startRead(): boolean;
  /** Write frequency; verify reads the radio back and compares (as `pl63 write --verify`). */
  startWrite(verify: boolean): boolean;
  /** The password window's Create: checks, then changes the radio's password. */
  startPasswordChange(oldPassword: string, newPassword: string, confirm: string): Outcome;
  /** Cancel (button or Escape): the end frame is sent; false when nothing ran. */
  cancel(): boolean;
  /** Bytes from the port. */
  received(bytes: Uint8Array): void;
  /** A break on the line. */
  breakSeen(): void;
  tick1(): void;
  tick2(): void;
  busy(): boolean;
  /** After a read-back, between a write and its verify: the page waits this long, then calls continueVerify(). */
  verifyPending(): boolean;
  continueVerify(): void;
  blocksDone(): number;
  blocksTotal(): number;
  /** Same as Document.setLoginMode. */
  setLoginMode(on: boolean): void;
  /** The main window's password box typed: same as applyForm("Frame1", {Text2: text}). */
  setPasswordBox(text: string): void;
}

export interface RadioArrival {
  breakBefore: boolean;
  bytes: Uint8Array;
}

/** The simulated radio ("Try without a radio"); the page paces its replies at 9600 baud. */
export interface RadioSimulator {
  delete(): void;
  /** Loads a codeplug's .DAT bytes into the radio's memory. */
  loadDat(bytes: Uint8Array): Outcome;
  /** Bytes from the PC; what the radio sends back, in order. */
  receive(bytes: Uint8Array): RadioArrival[];
  sessionEnded(): boolean;
  /** The radio's memory 0x0010-0x040F. */
  memory(): Uint8Array;
  /** Faults for tests: stall after N blocks (-1 off), silent. */
  setStallAfterBlock(blocks: number): void;
  setSilent(silent: boolean): void;
  /** Back to waiting for an opening (keeps memory). */
  resetSession(): void;
}

export interface Pl63Core {
  /** The program's version ("About"). */
  version(): string;
  /** Every caption in one language: the windows' tables ("Form1" main window with its
   *  menus, toolbar tooltips, grid header and panels; "Form2".."Form7", "FormUsePass",
   *  "frmAbout"), "Commands" (newWarning, compareTitle, ...), "Page" (the page's own
   *  texts: tryWithoutRadio, noWebSerial, ...) and "Link" (the engine's texts) and "MsgBox" (the message boxes' buttons: ok,
   *  cancel, yes, no, abort, ignore, retry, save, discard). */
  captions(language: Language): CaptionRow[];
  /** One caption; '' when there is no such row. */
  caption(window: string, control: string, index: number, language: Language): string;
  bands(): Band[];
  /** The 261 entries of the tone list (0 is Off). */
  toneList(language: Language): string[];
  /** The two entries of a list column (5..8). */
  gridListItems(column: number, language: Language): string[];
  /** The frequency editor's key filter (digits, "." and Backspace). */
  acceptsFrequencyKey(key: string): boolean;
  /** The tone editor's key filter: the character to insert, '' when discarded. */
  filterToneKey(key: string): string;
  frequencyEditorMaxLength(): number;
  /** The sample codeplug's .DAT bytes (the simulated radio starts with it). */
  sampleDat(): Uint8Array;
  /** Test frequency table (Form4): the row [rx, tx] after an edit of column 1 (RX) or 2 (TX). */
  snapTestFrequency(rx: string, tx: string, column: number): [string, string];
  /** False for a TX cell whose RX is empty. */
  testFrequencyEditable(rx: string, tx: string, column: number): boolean;
  /** What a password box keeps of typed text (digits, letters, "."; 16 at most). */
  acceptedPassword(text: string): string;
  /** How long the page waits between a verified write and its read-back (continueVerify). */
  verifyPauseMs(): number;

  Document: { new (language: Language): Document };
  Link: { new (document: Document, callbacks: LinkCallbacks): Link };
  RadioSimulator: { new (): RadioSimulator };
}
