// A program's page: runs the program's form from the WebAssembly module behind the window that
// the page already shows.
import './register.js';
// After a click, a link to the lesson on the same input.
import './lessonlink.js';
import { FormBridge } from './formbridge.js';
import { loadForm } from './formloader.js';
import { MessageBox } from './messagebox.js';
import { WindowView, showLoadFailure } from './windowview.js';

const form = await loadForm(document.body.dataset.program).catch(error => {
    showLoadFailure(document);
    throw error;
});
new FormBridge(form, new WindowView(document), new MessageBox(document)).start();
