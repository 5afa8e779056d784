// Start-up: load the core (WebAssembly), pick the language (the user's
// earlier choice, else the browser's: zh-* is Chinese), build the page, and
// register the service worker that keeps the page working offline.
import type { Pl63Core, Pl63CoreOptions } from "../core/pl63_core";
import { App } from "./app";
import { initialLanguage } from "./texts";

type CoreFactory = (options?: Pl63CoreOptions) => Promise<Pl63Core>;

function localStorageOrNull(): Storage | null {
  try {
    return window.localStorage;
  } catch {
    return null;
  }
}

async function start(): Promise<void> {
  const root = document.getElementById("app")!;
  try {
    // The loader lies beside the page; a variable keeps the bundler from inlining it.
    const loader = new URL("pl63_core.js", document.baseURI).href;
    const factory = ((await import(/* @vite-ignore */ loader)) as { default: CoreFactory }).default;
    const core = await factory();
    const storage = localStorageOrNull();
    const app = new App(core, initialLanguage(storage, navigator.languages?.length ? navigator.languages : [navigator.language]), storage);
    app.mount(root);
    root.removeAttribute("aria-busy");
    (window as unknown as { pl63?: App }).pl63 = app;
    registerServiceWorker(app);
  } catch (error) {
    root.removeAttribute("aria-busy");
    root.textContent = String(error);
    root.setAttribute("role", "alert");
    throw error;
  }
}

function registerServiceWorker(app: App): void {
  if (!("serviceWorker" in navigator) || location.protocol === "file:") return;
  const firstInstall = !navigator.serviceWorker.controller;
  navigator.serviceWorker
    .register("sw.js")
    .then((registration) => {
      // Said once, when the first visit has stored everything.
      const installing = registration.installing;
      if (!firstInstall || !installing) return;
      installing.addEventListener("statechange", () => {
        if (installing.state === "activated") app.offlineReady();
      });
    })
    .catch(() => undefined);
}

void start();
