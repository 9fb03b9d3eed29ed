// The message box: modal, titled with the program's name; focus goes back where it was once the
// last message of a click is answered.
export class MessageBox {
    #dialog;
    #title;
    #text;
    #ok;
    #returnTo = null;

    constructor(document) {
        this.#dialog = document.getElementById('message');
        this.#title = document.getElementById('messageTitle');
        this.#text = document.getElementById('messageText');
        this.#ok = document.getElementById('messageOk');
        this.#ok.addEventListener('click', () => this.#dialog.close());
    }

    get isOpen() {
        return this.#dialog.open;
    }

    show(title, text) {
        this.#returnTo ??= this.#dialog.ownerDocument.activeElement;
        this.#title.textContent = title;
        this.#text.textContent = text;
        this.#dialog.showModal();
        this.#ok.focus();
    }

    // Called once no message is left: back to where focus was, unless the window has gone.
    returnFocus(back) {
        if (back && this.#returnTo?.isConnected)
            this.#returnTo.focus();
        this.#returnTo = null;
    }

    bindClosed(handler) {
        this.#dialog.addEventListener('close', handler);
    }
}
