// The folder's service worker. Installed, it keeps the page, its manifest and
// icons in a cache named after this build; it answers every request from
// that cache first and from the network when the cache lacks it; activated,
// it drops the caches of earlier builds. Each build writes its own name in
// place of BUILD, so that a new build is a new worker that replaces the cache.
'use strict';

const kPrefix = 'kethmor-planner-';
const kCache = kPrefix + 'BUILD';
const kFiles = ['index.html', 'install.js', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, {cache: 'reload'}))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith(kPrefix) && n !== kCache).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The folder's own address is its page.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const folder = request.mode === 'navigate' && new URL(request.url).pathname.endsWith('/');
  event.respondWith(caches.open(kCache).then(async (cache) =>
    (await cache.match(folder ? 'index.html' : request, {ignoreSearch: true})) || fetch(request)));
});
