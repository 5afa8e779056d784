// The menu bar as an ARIA menubar: each menu a button that opens a list of
// menu items. Arrow keys move within and between menus, Escape closes, a
// click outside closes. Items are described once and rebuilt on every
// language switch or state change.
import { el } from "./dom";

export interface MenuItem {
  /** The control's objectName, kept as the element's id. */
  id: string;
  label: string;
  action?: () => void;
  /** Check boxes (Lock, Verify) and radio items (the languages). */
  checked?: boolean;
  radio?: boolean;
  enabled?: boolean;
  separatorBefore?: boolean;
  /** A titled group of items (Export channels). */
  group?: MenuItem[];
}

export interface Menu {
  id: string;
  label: string;
  items: () => MenuItem[];
}

export class MenuBar {
  readonly element: HTMLElement;
  private readonly tops: HTMLButtonElement[] = [];
  private readonly lists: HTMLElement[] = [];
  private open = -1;

  constructor(private readonly menus: () => Menu[]) {
    this.element = el("div", { role: "menubar", class: "menubar", id: "MenuBar1" });
    this.element.addEventListener("keydown", (event) => this.key(event));
    document.addEventListener("mousedown", (event) => {
      if (this.open >= 0 && !this.element.contains(event.target as Node)) this.close(false);
    });
    this.render();
  }

  /** Captions and states again (language switch, undo step names, lock). */
  render(): void {
    const wasOpen = this.open;
    this.element.replaceChildren();
    this.tops.length = 0;
    this.lists.length = 0;
    this.menus().forEach((menu, index) => {
      const top = el("button", {
        type: "button",
        role: "menuitem",
        id: menu.id,
        "aria-haspopup": "menu",
        "aria-expanded": "false",
        tabindex: index === 0 ? 0 : -1,
      }, menu.label);
      const list = el("div", { role: "menu", class: "menu", "aria-label": menu.label, hidden: true });
      for (const item of menu.items()) this.addItem(list, item);
      top.addEventListener("click", () => (this.open === index ? this.close(true) : this.show(index, false)));
      top.addEventListener("mouseenter", () => {
        if (this.open >= 0 && this.open !== index) this.show(index, false);
      });
      this.tops.push(top);
      this.lists.push(list);
      this.element.append(el("div", { class: "menu-holder", role: "none" }, top, list));
    });
    this.open = -1;
    if (wasOpen >= 0 && wasOpen < this.tops.length) this.show(wasOpen, false);
  }

  private addItem(list: HTMLElement, item: MenuItem): void {
    if (item.separatorBefore) list.append(el("div", { role: "separator", class: "separator" }));
    if (item.group) {
      const group = el("div", { role: "group", "aria-label": item.label, class: "menu-group" },
        el("div", { class: "group-title", "aria-hidden": "true" }, item.label));
      for (const member of item.group) this.addItem(group, member);
      list.append(group);
      return;
    }
    const role = item.radio ? "menuitemradio" : item.checked !== undefined ? "menuitemcheckbox" : "menuitem";
    const button = el("button", {
      type: "button",
      role,
      id: item.id,
      tabindex: -1,
      "aria-checked": item.checked === undefined ? undefined : String(item.checked),
      "aria-disabled": item.enabled === false ? "true" : undefined,
    }, item.label);
    button.addEventListener("click", () => {
      if (item.enabled === false) return;
      this.close(false);
      item.action?.();
    });
    list.append(button);
  }

  private items(index: number): HTMLButtonElement[] {
    return [...(this.lists[index]?.querySelectorAll<HTMLButtonElement>("button") ?? [])];
  }

  private show(index: number, focusFirst: boolean): void {
    if (this.open >= 0) this.hideList(this.open);
    this.open = index;
    const top = this.tops[index]!;
    top.setAttribute("aria-expanded", "true");
    this.lists[index]!.hidden = false;
    this.roving(index);
    if (focusFirst) this.items(index)[0]?.focus();
    else top.focus();
  }

  private hideList(index: number): void {
    this.tops[index]?.setAttribute("aria-expanded", "false");
    if (this.lists[index]) this.lists[index]!.hidden = true;
  }

  close(refocus: boolean): void {
    const index = this.open;
    if (index < 0) return;
    this.hideList(index);
    this.open = -1;
    if (refocus) this.tops[index]?.focus();
  }

  private roving(index: number): void {
    this.tops.forEach((top, i) => (top.tabIndex = i === index ? 0 : -1));
  }

  private key(event: KeyboardEvent): void {
    const target = event.target as HTMLElement;
    const topIndex = this.tops.indexOf(target as HTMLButtonElement);
    const current = this.open >= 0 ? this.items(this.open) : [];
    const itemIndex = current.indexOf(target as HTMLButtonElement);
    const step = (delta: number) => {
      const base = topIndex >= 0 ? topIndex : this.open;
      const next = (base + delta + this.tops.length) % this.tops.length;
      if (this.open >= 0) this.show(next, itemIndex >= 0);
      else {
        this.roving(next);
        this.tops[next]!.focus();
      }
    };
    switch (event.key) {
      case "ArrowRight":
        step(1);
        break;
      case "ArrowLeft":
        step(-1);
        break;
      case "ArrowDown":
        if (topIndex >= 0) this.show(topIndex, true);
        else current[(itemIndex + 1) % current.length]?.focus();
        break;
      case "ArrowUp":
        if (topIndex >= 0) {
          this.show(topIndex, false);
          this.items(topIndex).at(-1)?.focus();
        } else current[(itemIndex - 1 + current.length) % current.length]?.focus();
        break;
      case "Home":
        if (itemIndex >= 0) current[0]?.focus();
        else return;
        break;
      case "End":
        if (itemIndex >= 0) current.at(-1)?.focus();
        else return;
        break;
      case "Escape":
        if (this.open < 0) return;
        this.close(true);
        break;
      case "Tab":
        this.close(false);
        return;
      default:
        return;
    }
    event.preventDefault();
    event.stopPropagation();
  }
}
