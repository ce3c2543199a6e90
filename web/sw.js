// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's files so the planetarium opens offline. Answers from the cache at once and
// refreshes the cache from the network behind it, so a new build is picked up on the next visit.
const CACHE = 'hoshizora-v1';
const FILES = [
  './',
  'index.html',
  'style.css',
  'hoshizora.js',
  'store.js',
  'sky-view.js',
  'gestures.js',
  'panel.js',
  'app.js',
  'manifest.webmanifest',
  'icon-192.png',
  'icon-512.png',
  'source.html',
  'LICENSE.txt',
  'LICENSE-emscripten.txt',
];

self.addEventListener('install', (event) => {
  // One file missing must not keep the others out of the cache.
  event.waitUntil(
    caches.open(CACHE).then((cache) => Promise.all(FILES.map((f) => cache.add(f).catch(() => undefined)))),
  );
  self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const cached = await cache.match(request, {ignoreSearch: true});
      const fresh = fetch(request)
        .then((response) => {
          if (response.ok) cache.put(request, response.clone());
          return response;
        })
        .catch(() => undefined);
      if (cached) {
        event.waitUntil(fresh);
        return cached;
      }
      return (await fresh) || new Response('オフラインです', {status: 503, statusText: 'Offline'});
    }),
  );
});
