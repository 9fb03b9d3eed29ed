// A program's page: runs the program's form from the WebAssembly module behind the window that
// the page already shows. Everything the first click needs is imported here, and the built site
// has it all in this one file: each level of imports, and then each request, made the first click
// later. What is imported dynamically stays a file of its own, loaded after the first answer.
import { CaptionFitter } from './captionfit.js';
import { FormBridge } from './formbridge.js';
import { MessageBox } from './messagebox.js';
import { openForm } from './moduleform.js';
import { PageModule } from './pagemodule.js';
import { WindowView, showLoadFailure } from './windowview.js';

// The module's bytes, as the page's early script read them once the window had painted.
const form = await window.demosPage.moduleBytes
    .then(bytes => PageModule.instantiate(bytes))
    .then(module => openForm(module, document.body.dataset.program))
    .catch(error => {
        showLoadFailure(document);
        throw error;
    });
const view = new WindowView(document, new CaptionFitter(document));
const bridge = new FormBridge(form, view, new MessageBox(document));
bridge.start();
performance.mark('program-started');
// Not on the way to the first click: the worker that keeps the site for offline use, and after a
// click, a link to the lesson on the same input.
import('./register.js');
import('./lessonlink.js').then(({ followAnswers }) => followAnswers(bridge));
