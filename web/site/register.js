// The site works offline once a page has been visited; browsers allow it over HTTPS and on
// localhost only. Registered after the page's own loading, or at once where that is over: a
// program page imports this after its first answer, when `load` has long fired. Where a course
// platform's frame refuses the worker (a sandbox throws on the mere look), the page works without.
if ('serviceWorker' in navigator && window.isSecureContext) {
    const register = () => {
        try {
            navigator.serviceWorker.register('sw.js').catch(() => {});
        } catch {
            // No worker: no offline copy, nothing else lost.
        }
    };
    if (document.readyState === 'complete')
        register();
    else
        window.addEventListener('load', register, { once: true });
}
