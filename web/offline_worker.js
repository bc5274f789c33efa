// The offline copy of the site: every file of one build in one cache named
// for that build, so that a page is always served a matching .js, .wasm and
// .data. The build fills in BUILD (a hash of the site's files) and FILES.
const BUILD = '@GOBBLER_BUILD@';
const FILES = [@GOBBLER_FILES@];
const CACHE = 'gobbler-' + BUILD;

// The first build is taken into use at once; a later one waits until a page
// has all of its own files (see offline.js), so that none loads half of one
// build and half of the next.
self.addEventListener('install', (e) => {
  e.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await cache.addAll(FILES.map((f) => new Request(f, { cache: 'reload' })));
    if (!self.registration.active) self.skipWaiting();
  })());
});
self.addEventListener('message', (e) => {
  if (e.data === 'take over') self.skipWaiting();
});

// The new build's cache is complete: the old ones go.
self.addEventListener('activate', (e) => {
  e.waitUntil((async () => {
    for (const name of await caches.keys()) if (name.startsWith('gobbler-') && name !== CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith((async () => {
    const cache = await caches.open(CACHE);
    return (await cache.match(e.request, { ignoreSearch: true })) || fetch(e.request);
  })());
});
