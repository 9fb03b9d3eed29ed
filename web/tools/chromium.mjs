// How every tool, test and benchmark starts the browser: Debian's chromium, never a downloaded one.
// Headless, each new context opens a browser window whose omnibox popups are pages of their own,
// loaded at once: about a second of work for one of the machine's two cores, beside whatever page
// is loading then, at a moment that differs from load to load. A user's window loads them once.
export const launchOptions = {
    executablePath: '/usr/bin/chromium',
    args: ['--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'],
};
