// The site works offline once a page has been visited; browsers allow it over HTTPS and on
// localhost only.
if ('serviceWorker' in navigator && window.isSecureContext) {
    window.addEventListener('load', () => {
        navigator.serviceWorker.register('sw.js').catch(() => {});
    });
}
