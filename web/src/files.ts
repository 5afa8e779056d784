// File commands in the browser: Open (file chooser or a drop), Save (a
// download, or back into the dropped file where the browser lets us), New,
// Import and Export channels, Compare with file. The core reads and writes
// every byte and decides every message; this only moves files.
import type { Document } from "../core/pl63_core";
import { el } from "./dom";
import type { MessageBoxes } from "./dialogs";
import type { Texts } from "./texts";

// Larger files are not codeplugs or channel lists; reading them would only
// stall the page.
const MAX_FILE_BYTES = 1 << 20;

export interface FileHost {
  texts: Texts;
  messages: MessageBoxes;
  document(): Document;
  /** Commit an open grid editor before the data are saved or compared. */
  commitEdits(): void;
  changed(): void;
}

/** A file the browser lets us write back into (File System Access API). */
interface WritableHandle {
  name: string;
  createWritable(): Promise<{ write(data: BufferSource): Promise<void>; close(): Promise<void> }>;
}

export class FileCommands {
  private handle: WritableHandle | null = null;

  constructor(private readonly host: FileHost) {}

  async newCodeplug(): Promise<void> {
    if (!(await this.settleUnsaved())) return;
    const { messages, texts } = this.host;
    if (!(await messages.ask(texts.get("Commands", "newWarning"), texts.get("Commands", "newWarningTitle")))) return;
    this.host.document().newCodeplug();
    this.handle = null;
    this.host.changed();
  }

  async open(): Promise<void> {
    if (!(await this.settleUnsaved())) return;
    const file = await chooseFile(".dat,.DAT");
    if (file) await this.openFile(file, null);
  }

  /** A .DAT file from the chooser or a drop; `handle` when the drop gave one. */
  async openFile(file: File, handle: WritableHandle | null): Promise<void> {
    const bytes = await this.bytesOf(file);
    if (!bytes) return;
    const outcome = this.host.document().openDat(bytes, file.name);
    if (!outcome.ok) {
      // A hostile or broken file: the core's message, and the data stay as they were.
      await this.host.messages.tell(outcome.message, 16);
      return;
    }
    this.handle = handle;
    this.host.changed();
    if (outcome.warning) await this.host.messages.tell(outcome.warning, 48);
  }

  /** Save: back into the opened file where allowed, otherwise a download. True when saved. */
  async save(): Promise<boolean> {
    this.host.commitEdits();
    const document = this.host.document();
    const bytes = document.saveDat();
    if (this.handle) {
      try {
        const writable = await this.handle.createWritable();
        await writable.write(bytes as BufferSource);
        await writable.close();
        document.markSaved(this.handle.name);
        this.host.changed();
        return true;
      } catch {
        // Permission refused or the file is gone: fall back to a download.
        this.handle = null;
      }
    }
    const name = document.fileName() || "pl63.DAT";
    download(bytes, name, "application/octet-stream");
    document.markSaved(name);
    this.host.changed();
    return true;
  }

  /** Before data are replaced: the core's question naming the file; false when the user cancels. */
  async settleUnsaved(): Promise<boolean> {
    this.host.commitEdits();
    const document = this.host.document();
    if (!document.isModified()) return true;
    const { messages, texts } = this.host;
    const answer = await messages.choose(document.unsavedQuestion(), [texts.button("save"), texts.button("discard"), texts.button("cancel")]);
    if (answer === 0) return this.save();
    return answer === 1;
  }

  async importChannels(file?: File): Promise<void> {
    this.host.commitEdits();
    const chosen = file ?? (await chooseFile(".csv,.CSV,text/csv"));
    if (!chosen) return;
    const bytes = await this.bytesOf(chosen);
    if (!bytes) return;
    const csv = new TextDecoder().decode(bytes);
    const document = this.host.document();
    let outcome = document.importChannels(csv, false);
    if (!outcome.ok && outcome.format === "chirp") {
      // The rows this radio cannot hold may be left out, as `pl63 import --skip-unfit` does.
      const skip = await this.host.messages.ask(outcome.message, undefined, this.host.texts.page("skipUnfit"));
      if (!skip) return;
      outcome = document.importChannels(csv, true);
    }
    if (!outcome.ok) {
      await this.host.messages.tell(outcome.message, 16);
      return;
    }
    this.host.changed();
    // The rows left out, or the warnings about what came in, as the window program lists them.
    if (outcome.listTitle) await this.host.messages.list(outcome.listTitle, outcome.listHeading, outcome.listLines);
  }

  exportChannels(format: "pl63" | "chirp"): void {
    this.host.commitEdits();
    const csv = this.host.document().exportChannels(format);
    download(new TextEncoder().encode(csv), format === "chirp" ? "pl63-chirp.csv" : "pl63-channels.csv", "text/csv");
  }

  async compareWithFile(): Promise<void> {
    this.host.commitEdits();
    const file = await chooseFile(".dat,.DAT");
    if (!file) return;
    const bytes = await this.bytesOf(file);
    if (!bytes) return;
    const outcome = this.host.document().compareWith(bytes, file.name);
    if (!outcome.ok) {
      await this.host.messages.tell(outcome.message, 16);
      return;
    }
    const { texts, messages } = this.host;
    if (!outcome.differences) {
      await messages.tell(texts.get("Commands", "noDifference"), 64);
      return;
    }
    await messages.list(texts.get("Commands", "compareTitle"), outcome.heading, outcome.differences);
  }

  /** A drop: a .DAT opens, a .csv imports; the dropped file may be written back by Save. */
  async dropped(transfer: DataTransfer): Promise<void> {
    const item = [...transfer.items].find((candidate) => candidate.kind === "file");
    const file = item?.getAsFile() ?? transfer.files[0];
    if (!item || !file) return;
    // The handle has to be asked for before the drop event returns.
    const handlePromise = fileHandleOf(item);
    if (/\.csv$/i.test(file.name)) {
      await this.importChannels(file);
      return;
    }
    if (!(await this.settleUnsaved())) return;
    await this.openFile(file, await handlePromise);
  }

  private async bytesOf(file: File): Promise<Uint8Array | null> {
    if (file.size > MAX_FILE_BYTES) {
      await this.host.messages.tell(`${this.host.texts.get("Commands", "cannotRead")}${file.name}`, 16);
      return null;
    }
    return new Uint8Array(await file.arrayBuffer());
  }
}

function fileHandleOf(item: DataTransferItem): Promise<WritableHandle | null> {
  const withHandle = item as DataTransferItem & { getAsFileSystemHandle?: () => Promise<unknown> };
  if (!withHandle.getAsFileSystemHandle) return Promise.resolve(null);
  return withHandle
    .getAsFileSystemHandle()
    .then((handle) => {
      const file = handle as Partial<WritableHandle> & { kind?: string };
      return file && file.kind === "file" && typeof file.createWritable === "function" ? (file as WritableHandle) : null;
    })
    .catch(() => null);
}

/** The browser's file chooser; null when the user closes it without a file. */
function chooseFile(accept: string): Promise<File | null> {
  return new Promise((resolve) => {
    const input = el("input", { type: "file", accept, class: "hidden-file-input" });
    input.addEventListener("change", () => {
      resolve(input.files?.[0] ?? null);
      input.remove();
    });
    input.addEventListener("cancel", () => {
      resolve(null);
      input.remove();
    });
    document.body.append(input);
    input.click();
  });
}

/** Hands bytes to the user as a download; nothing leaves the browser otherwise. */
export function download(bytes: Uint8Array, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type }));
  const link = el("a", { href: url, download: name, class: "hidden-file-input" });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}
