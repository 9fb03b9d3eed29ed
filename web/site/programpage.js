// A program's page: runs the program's form from the WebAssembly module behind the window that
// the page already shows.
import { FormBridge } from './formbridge.js';
import { loadForm } from './formloader.js';
import { MessageBox } from './messagebox.js';
import { WindowView, showLoadFailure } from './windowview.js';

const form = await loadForm(document.body.dataset.program, window.demosPage.moduleBytes).catch(error => {
    showLoadFailure(document);
    throw error;
});
new FormBridge(form, new WindowView(document), new MessageBox(document)).start();
performance.mark('program-started');
// Not on the way to the first click: the worker that keeps the site for offline use, and after a
// click, a link to the lesson on the same input.
import('./register.js');
import('./lessonlink.js');
