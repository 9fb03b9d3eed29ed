// Hands the browser tests this folder's stand-in for the Playwright test runner, so the same test
// files and fixtures drive Firefox.
const standIn = new URL('./playwright.mjs', import.meta.url).href;

export async function resolve(specifier, context, next) {
    if (specifier === '@playwright/test')
        return { url: standIn, shortCircuit: true };
    return next(specifier, context);
}
