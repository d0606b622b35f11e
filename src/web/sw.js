// After the first visit the page works with no network: its files from the cache first, the
// network only for what the cache does not hold. A new build is a new cache name.
const CACHE = 'baritemp-@BUILD@';
const FILES = ['./', 'index.html', 'page.js', 'style.css', 'texts.json', 'baritemp.mjs',
               'baritemp-core.mjs', 'baritemp.wasm', 'manifest.webmanifest', 'icon_128.png',
               'icon_256.png'];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))
                        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true })
        .then((cached) => cached || fetch(event.request)));
});
