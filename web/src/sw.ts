// The service worker: every file of the build is stored at install time under
// a cache named after the build's version, so after one visit the page opens
// and works with no network. Requests are answered from that cache first;
// older caches are dropped when a new build takes over.
const worker = self as unknown as ServiceWorkerGlobalScope;
// Filled in by build.mjs: the build's files and a name that changes with them.
declare const PRECACHE_FILES: string[];
declare const CACHE_NAME: string;

worker.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE_NAME)
      .then((cache) => cache.addAll(PRECACHE_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith("pl63-") && name !== CACHE_NAME).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== worker.location.origin) return;
  event.respondWith(
    caches.open(CACHE_NAME).then(async (cache) => {
      // The page itself is asked for as "/" or "/index.html": both are the one file.
      const cached = (await cache.match(request, { ignoreSearch: true })) ?? (request.mode === "navigate" ? await cache.match("index.html") : undefined);
      return cached ?? fetch(request);
    }),
  );
});

export {};
