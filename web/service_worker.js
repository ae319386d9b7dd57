// Keeps the page's files, one version at a time, so that the calculator opens without a network
// once it has been opened with one. The build fills in the version and the files it keeps; every
// file that changes with a build has its content in its name, so two versions never share a name
// but the page's own ("./") and its icons.
'use strict';
const VERSION = 'abaquino-@VERSION@';
const FILES = [@FILES@];

// A new version takes the files of its set whole, or it is not installed; then it takes over at
// once, so a reload after an update opens the new version with no step of the user's.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

// Older sets go once a page of this version is opening: a page of an older one that is still
// loading meanwhile finds its program in its own set, under its own name.
function forgetOlderVersions() {
  return caches.keys().then((names) => Promise.all(names.filter((name) => name !== VERSION).map((name) => caches.delete(name))));
}

// The page itself comes from this version's set, the other files from whichever set has their
// name; what no set has (another path, another page) goes to the network as usual.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const page = new URL('./', self.registration.scope).pathname;
  const path = new URL(request.url).pathname;
  if (request.mode === 'navigate' && (path === page || path === page + 'index.html')) {
    event.waitUntil(forgetOlderVersions());
    event.respondWith(caches.open(VERSION).then((cache) => cache.match('./')).then((page) => page || fetch(request)));
    return;
  }
  event.respondWith(caches.match(request).then((kept) => kept || fetch(request)));
});
