// Grid1 as an ARIA grid: 16 channel rows headed by their number, the grid's
// captions as column headers. A cell is selected by a click or the arrow
// keys; its editor opens on Enter, F2, a double click or the first typed key
// (which it then holds), and commits through the core's entry rules on Enter
// or when it loses the focus. Delete empties the selected channel. The cells
// only ever show what the core's grid says.
import type { Document, Pl63Core } from "../core/pl63_core";
import { el, setText } from "./dom";
import { editorKind, type EditorKind, filterTyped, moveSelection, type GridPosition } from "./grid_keys";
import type { Texts } from "./texts";

export const CHANNELS = 16;
export const COLUMNS = 9;

export interface GridHost {
  core: Pl63Core;
  texts: Texts;
  document(): Document;
  /** A change went into the document: refresh what depends on it. */
  changed(): void;
  tell(text: string): Promise<void>;
}

interface OpenEditor {
  row: number;
  column: number;
  kind: EditorKind;
  control: HTMLInputElement | HTMLSelectElement;
  done: boolean;
}

export class ChannelGrid {
  readonly table: HTMLTableElement;
  private readonly headers: HTMLTableCellElement[] = [];
  private readonly cells: HTMLTableCellElement[][] = [];
  private readonly toneList: HTMLDataListElement;
  private selected: GridPosition = { row: 1, column: 1 };
  private editor: OpenEditor | null = null;
  private enabled = true;

  constructor(private readonly host: GridHost) {
    const headRow = el("tr", { role: "row" });
    for (let column = 0; column < COLUMNS; column++) {
      const header = el("th", { role: "columnheader", scope: "col", class: `col-${column}` });
      this.headers.push(header);
      headRow.append(header);
    }
    const body = el("tbody");
    for (let row = 1; row <= CHANNELS; row++) {
      const line = el("tr", { role: "row", class: row % 2 === 0 ? "even" : "odd" });
      const rowCells: HTMLTableCellElement[] = [];
      for (let column = 0; column < COLUMNS; column++) {
        const cell =
          column === 0
            ? el("th", { role: "rowheader", scope: "row", tabindex: -1 })
            : el("td", { role: "gridcell", tabindex: -1 });
        cell.dataset.row = String(row);
        cell.dataset.column = String(column);
        cell.append(el("span", { class: "cell-text" }));
        rowCells.push(cell);
        line.append(cell);
      }
      this.cells[row] = rowCells;
      body.append(line);
    }
    this.toneList = el("datalist", { id: "tone-list" });
    this.table = el("table", { id: "Grid1", role: "grid", "aria-rowcount": CHANNELS + 1, "aria-colcount": COLUMNS },
      el("thead", {}, headRow), body);
    this.table.addEventListener("mousedown", (event) => this.pressed(event));
    this.table.addEventListener("dblclick", (event) => {
      if (this.cellOf(event.target)) this.openEditor("");
    });
    this.table.addEventListener("keydown", (event) => this.keyOnGrid(event));
    this.select(this.selected, false);
  }

  /** The datalist the tone editors offer; it lives outside the table. */
  get lists(): HTMLElement {
    return this.toneList;
  }

  /** Headers, list texts and cells in the current language. */
  showCaptions(): void {
    const { texts, core } = this.host;
    this.headers.forEach((header, column) => setText(header, texts.get("Form1", "Grid1", column)));
    this.table.setAttribute("aria-label", texts.page("channelGrid"));
    this.toneList.replaceChildren(...core.toneList(texts.language).map((tone) => el("option", { value: tone })));
    this.showChannels();
  }

  /** Every cell as the core's grid says; an open editor is left alone. */
  showChannels(): void {
    const grid = this.host.document().grid();
    for (let row = 1; row <= CHANNELS; row++) {
      for (let column = 0; column < COLUMNS; column++) {
        const cell = this.cells[row]![column]!;
        setText(cell.firstElementChild as HTMLElement, grid[row - 1]![column]!);
      }
    }
  }

  /** Locked editor, or a transfer running: nothing can be edited. */
  setEnabled(enabled: boolean): void {
    if (!enabled) this.commitEditor();
    this.enabled = enabled;
    this.table.setAttribute("aria-disabled", String(!enabled));
  }

  /** Before the data are saved, sent or compared, an open editor commits. */
  commitEditor(): void {
    if (this.editor) this.closeEditor(true, false);
  }

  focus(): void {
    this.cellAt(this.selected).focus();
  }

  private cellAt(position: GridPosition): HTMLTableCellElement {
    return this.cells[position.row]![position.column]!;
  }

  private cellOf(target: EventTarget | null): GridPosition | null {
    const cell = (target as HTMLElement | null)?.closest?.("td, th[scope=row]") as HTMLElement | null;
    if (!cell || !cell.dataset.row || !this.table.contains(cell)) return null;
    return { row: Number(cell.dataset.row), column: Number(cell.dataset.column) };
  }

  private select(position: GridPosition, focus = true): void {
    this.cellAt(this.selected).tabIndex = -1;
    this.cellAt(this.selected).removeAttribute("aria-selected");
    this.selected = position;
    const cell = this.cellAt(position);
    cell.tabIndex = 0;
    cell.setAttribute("aria-selected", "true");
    if (focus) cell.focus();
  }

  private pressed(event: MouseEvent): void {
    if (event.button !== 0) return;
    const position = this.cellOf(event.target);
    if (!position || (this.editor && this.editor.control.contains(event.target as Node))) return;
    event.preventDefault();
    this.commitEditor();
    this.select(position);
  }

  private keyOnGrid(event: KeyboardEvent): void {
    // Keys typed into an editor are the editor's, even when they bubble here.
    if (this.editor || !this.cellOf(event.target) || (event.target as HTMLElement).classList.contains("cell-editor")) return;
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    const moved = moveSelection(this.selected, event.key, CHANNELS, COLUMNS);
    if (moved) {
      event.preventDefault();
      this.select(moved);
      return;
    }
    if (!this.enabled) return;
    if (event.key === "Enter" || event.key === "F2") {
      event.preventDefault();
      this.openEditor("");
    } else if (event.key === "Delete") {
      event.preventDefault();
      this.host.document().deleteChannel(this.selected.row);
      this.showChannels();
      this.host.changed();
    } else if (event.key.length === 1 && event.key !== " ") {
      // The first key opens the editor and is its first character.
      event.preventDefault();
      this.openEditor(event.key);
    } else if (event.key === " ") {
      event.preventDefault();
      this.openEditor("");
    }
  }

  /** Opens the editor of the selected cell; `typed` replaces its text when given. */
  private openEditor(typed: string): void {
    if (!this.enabled || this.editor) return;
    // The core says which cell the editor opens on (an empty channel is
    // created by entering its receive frequency first).
    const editColumn = this.host.document().columnToEdit(this.selected.row, this.selected.column);
    if (editColumn !== this.selected.column) {
      this.select({ row: this.selected.row, column: editColumn });
    }
    const { row, column } = this.selected;
    const kind = editorKind(column);
    if (kind === "none") return;
    const control = this.makeEditor(kind, row, column, typed);
    const editor: OpenEditor = { row, column, kind, control, done: false };
    this.editor = editor;
    const cell = this.cellAt(this.selected);
    cell.classList.add("editing");
    cell.append(control);
    control.focus();
    // A list is not opened by itself: arrow keys pick in it, Alt+Down opens it.
    if (control instanceof HTMLInputElement) {
      const end = control.value.length;
      control.setSelectionRange(typed ? end : 0, end);
    }
  }

  private makeEditor(kind: EditorKind, row: number, column: number, typed: string): HTMLInputElement | HTMLSelectElement {
    const { core, texts } = this.host;
    const label = texts.get("Form1", "Grid1", column);
    const current = this.host.document().cell(row, column);
    if (kind === "choice") {
      const items = core.gridListItems(column, texts.language);
      const select = el("select", { class: "cell-editor", "aria-label": label });
      items.forEach((item) => select.append(el("option", {}, item)));
      select.selectedIndex = Math.max(0, items.indexOf(current));
      select.addEventListener("change", () => this.closeEditor(true, true));
      select.addEventListener("keydown", (event) => this.keyInEditor(event));
      select.addEventListener("blur", () => this.closeEditor(true, false));
      return select;
    }
    const input = el("input", {
      type: "text",
      class: `cell-editor ${kind}`,
      "aria-label": label,
      autocomplete: "off",
      spellcheck: "false",
    });
    if (kind === "frequency") {
      input.maxLength = core.frequencyEditorMaxLength();
      input.inputMode = "decimal";
    } else {
      input.setAttribute("list", this.toneList.id);
    }
    const filter = (character: string) =>
      kind === "frequency" ? (core.acceptsFrequencyKey(character) ? character : "") : core.filterToneKey(character);
    input.value = typed ? filterTyped(typed, filter).slice(0, kind === "frequency" ? input.maxLength : undefined) : current;
    input.addEventListener("beforeinput", (event) => {
      if (event.inputType.startsWith("delete")) return;
      event.preventDefault();
      // Only what a key of the filter could type gets in: no paste, drop or composition.
      if (event.inputType !== "insertText" || !event.data) return;
      const text = filterTyped(event.data, filter);
      if (!text) return;
      const start = input.selectionStart ?? input.value.length;
      const end = input.selectionEnd ?? start;
      const room = input.maxLength > 0 ? input.maxLength - (input.value.length - (end - start)) : text.length;
      if (room <= 0) return;
      input.setRangeText(text.slice(0, room), start, end, "end");
    });
    input.addEventListener("keydown", (event) => this.keyInEditor(event));
    input.addEventListener("blur", () => this.closeEditor(true, false));
    // A pick from the tone list is a choice: it goes in at once.
    if (kind === "tone") {
      input.addEventListener("input", (event) => {
        const type = (event as InputEvent).inputType;
        if (type === "insertReplacementText" || !type) this.closeEditor(true, true, this.toneIndex(input.value));
      });
    }
    return input;
  }

  private keyInEditor(event: KeyboardEvent): void {
    if (event.key === "Enter") {
      event.preventDefault();
      event.stopPropagation();
      this.closeEditor(true, true);
    } else if (event.key === "Escape") {
      event.preventDefault();
      event.stopPropagation();
      this.closeEditor(false, true);
    }
  }

  private toneIndex(text: string): number {
    return [...this.toneList.options].findIndex((option) => option.value === text);
  }

  /** Commits (a picked tone by its list position) or discards, then shows the grid again. */
  private closeEditor(commit: boolean, refocus: boolean, tonePicked = -1): void {
    const editor = this.editor;
    if (!editor || editor.done) return;
    editor.done = true;
    this.editor = null;
    const document = this.host.document();
    let message = "";
    if (commit) {
      const { row, column, control } = editor;
      const outcome =
        editor.kind === "choice"
          ? document.setListCell(row, column, (control as HTMLSelectElement).selectedIndex)
          : tonePicked >= 0
            ? document.chooseTone(row, column, tonePicked)
            : document.commitCell(row, column, control.value);
      if (!outcome.ok) message = outcome.message;
      if (outcome.changed) this.host.changed();
    }
    const cell = this.cells[editor.row]![editor.column]!;
    cell.classList.remove("editing");
    editor.control.remove();
    this.showChannels();
    if (refocus) cell.focus();
    if (message) void this.host.tell(message).then(() => this.focus());
  }
}
