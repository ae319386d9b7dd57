// Keeps the page's files, one version at a time, so that the calculator opens without a network
// once it has been opened with one. The build fills in the version and the files it keeps; every
// file that changes with a build has its content in its name, so two versions never share a name
// but the page's own ("./") and its icons.
//
// The browser's cache storage belongs to the whole origin, not to this worker: another app on the
// same host, or a second Abaquino at another path, keeps its own sets there. This worker's sets
// carry its scope in their names, and it touches no other.
'use strict';
const OWN = 'abaquino ' + self.registration.scope + ' ';
const VERSION = OWN + '@VERSION@';
const FILES = [@FILES@];

// A new version takes the files of its set whole, or it is not installed: a set that lost a file,
// or was deleted while it filled, fails the install and goes, so that the version in charge stays.
// Then it takes over at once, so a reload after an update opens the new version with no step of
// the user's.
async function keepFiles() {
  const cache = await caches.open(VERSION);
  try {
    await cache.addAll(FILES);
    const kept = await cache.keys();
    if (!(await caches.has(VERSION)) || kept.length < FILES.length) throw new Error('the set is not whole');
  } catch (error) {
    await caches.delete(VERSION);
    throw error;
  }
  await self.skipWaiting();
}
self.addEventListener('install', (event) => event.waitUntil(keepFiles()));

// Older sets of this worker go once this version has taken over, never before: a page of an older
// version that is still loading finds its program under its own name until then. A set that may
// still be filling (a newer version installing meanwhile) is left to its own install.
async function forgetOlderVersions() {
  if (self.registration.installing) return;
  const names = await caches.keys();
  await Promise.all(names.filter((name) => name.startsWith(OWN) && name !== VERSION).map((name) => caches.delete(name)));
}
self.addEventListener('activate', (event) => event.waitUntil(forgetOlderVersions().then(() => self.clients.claim())));

// The file from this version's set, else from an older set of this worker's that still has it.
async function kept(request) {
  const own = (await caches.keys()).filter((name) => name.startsWith(OWN));
  for (const name of [VERSION, ...own.filter((name) => name !== VERSION)]) {
    const found = await caches.match(request, {cacheName: name});
    if (found) return found;
  }
  return undefined;
}

// The page itself comes from this version's set, the other files from this worker's sets; what
// they do not have (another path, another page) goes to the network as usual.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const page = new URL('./', self.registration.scope).pathname;
  const path = new URL(request.url).pathname;
  if (request.mode === 'navigate' && (path === page || path === page + 'index.html')) {
    event.respondWith(caches.match('./', {cacheName: VERSION}).then((found) => found || fetch(request)));
    return;
  }
  event.respondWith(kept(request).then((found) => found || fetch(request)));
});
