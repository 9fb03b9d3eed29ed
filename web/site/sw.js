// Caches the whole site on the first visit and answers from the cache, so that every page works
// with no network. A new build has another version, so its worker installs, replaces the
// cache and takes over the open pages.
const VERSION = '@VERSION@';
const FILES = @FILES@;
const PREFIX = `demos:${self.registration.scope}:`;
const CACHE = PREFIX + VERSION;

self.addEventListener('install', event => {
    event.waitUntil(caches.open(CACHE)
        .then(cache => cache.addAll(FILES.map(file => new Request(file, { cache: 'reload' }))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(keys => Promise.all(keys.filter(key => key.startsWith(PREFIX) && key !== CACHE)
            .map(key => caches.delete(key))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.open(CACHE)
        .then(cache => cache.match(event.request, { ignoreSearch: true }))
        .then(cached => cached || fetch(event.request)));
});
