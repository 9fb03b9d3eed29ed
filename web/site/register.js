// The site works offline once a page has been visited; browsers allow it over HTTPS and on
// localhost only. Registered after the page's own loading, or at once where that is over: a
// program page imports this after its first answer, when `load` has long fired.
if ('serviceWorker' in navigator && window.isSecureContext) {
    const register = () => navigator.serviceWorker.register('sw.js').catch(() => {});
    if (document.readyState === 'complete')
        register();
    else
        window.addEventListener('load', register, { once: true });
}
