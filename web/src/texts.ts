// The page's texts, all from the core's caption catalogue: one lookup by
// window, control and entry index, in the language the user chose. No text
// is spelled here.
import type { CaptionRow, Language, Pl63Core } from "../core/pl63_core";

/** The window the page's own rows (simulator, browser notice, ...) live under. */
export const PAGE_WINDOW = "Page";

const LANGUAGE_KEY = "pl63.language";

export class Texts {
  private rows = new Map<string, string>();
  language: Language = 1;

  constructor(private readonly core: Pl63Core) {}

  use(language: Language): void {
    this.language = language;
    this.rows.clear();
    for (const row of this.core.captions(language) as CaptionRow[]) {
      this.rows.set(key(row.window, row.control, row.index, row.element), row.text);
    }
  }

  /** The caption as the catalogue spells it, accelerator marks included. */
  raw(window: string, control: string, index = 0, element = -1): string {
    const text = this.rows.get(key(window, control, index, element));
    if (text === undefined) {
      console.warn(`pl63: no caption ${window}.${control}[${index}]`);
      return `${window}.${control}`;
    }
    return text;
  }

  /** The caption as shown on the page: "File(&F)" reads "File(F)". */
  get(window: string, control: string, index = 0, element = -1): string {
    return shown(this.raw(window, control, index, element));
  }

  /** A message box button: ok, cancel, yes, no, save, discard. */
  button(name: string): string {
    return this.get("MsgBox", name);
  }

  page(control: string): string {
    return this.get(PAGE_WINDOW, control);
  }
}

function key(window: string, control: string, index: number, element: number): string {
  return `${window}\u0000${control}\u0000${index}\u0000${element}`;
}

/** Drops the menu accelerator marks ("&F" shows "F", "&&" shows "&"). */
export function shown(text: string): string {
  return text.replace(/&(&?)/g, (_match, second: string) => second);
}

/** The first visit follows the browser (zh-* is Chinese); later visits the user's choice. */
export function initialLanguage(storage: Pick<Storage, "getItem"> | null, browserLanguages: readonly string[]): Language {
  const saved = storage?.getItem(LANGUAGE_KEY);
  if (saved === "0" || saved === "1") return saved === "0" ? 0 : 1;
  const first = browserLanguages[0] ?? "";
  return first.toLowerCase().startsWith("zh") ? 0 : 1;
}

export function rememberLanguage(storage: Pick<Storage, "setItem"> | null, language: Language): void {
  try {
    storage?.setItem(LANGUAGE_KEY, String(language));
  } catch {
    // Private windows may refuse storage; the choice then lasts this visit.
  }
}
