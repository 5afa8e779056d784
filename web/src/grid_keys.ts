// Key handling of the grid that needs no page: which editor a column has,
// where an arrow key moves the selection, and which typed characters an
// editor's key filter (the core's) lets in.

export type EditorKind = "none" | "frequency" | "tone" | "choice";

export interface GridPosition {
  row: number;
  column: number;
}

/** The editor the window program lays over a cell of this column. */
export function editorKind(column: number): EditorKind {
  if (column === 1 || column === 3) return "frequency";
  if (column === 2 || column === 4) return "tone";
  if (column >= 5 && column <= 8) return "choice";
  return "none";
}

/** The cell an arrow, Home/End or Page key moves to; null for other keys. Rows 1..rows, columns 0..columns-1. */
export function moveSelection(from: GridPosition, key: string, rows: number, columns: number): GridPosition | null {
  const clamp = (value: number, low: number, high: number) => Math.min(high, Math.max(low, value));
  const to = (row: number, column: number) => ({ row: clamp(row, 1, rows), column: clamp(column, 0, columns - 1) });
  switch (key) {
    case "ArrowUp":
      return to(from.row - 1, from.column);
    case "ArrowDown":
      return to(from.row + 1, from.column);
    case "ArrowLeft":
      return to(from.row, from.column - 1);
    case "ArrowRight":
      return to(from.row, from.column + 1);
    case "Home":
      return to(from.row, 0);
    case "End":
      return to(from.row, columns - 1);
    case "PageUp":
      return to(1, from.column);
    case "PageDown":
      return to(rows, from.column);
    default:
      return null;
  }
}

/** `text` through a per-character filter that returns what to insert ('' drops it). */
export function filterTyped(text: string, filter: (character: string) => string): string {
  let kept = "";
  for (const character of text) kept += filter(character);
  return kept;
}
