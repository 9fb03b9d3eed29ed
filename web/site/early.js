// Runs before the window is in the page, and before the module has loaded: keeps every click
// and Enter until the program can answer them, with the entry boxes' texts and selections as
// they were at that moment. Impatience is not kept: a held key's repeats, or the same button
// pressed again over the same boxes while the first press still waits, would each be answered.
'use strict';
(function () {
    var page = (window.demosPage = { pending: [], dispatch: null });
    // The program's module, named on this script's tag. It is read once the first frame is drawn,
    // while the page's scripts load: read sooner, it held the window's first paint up.
    var module = new URL(document.currentScript.dataset.module, document.baseURI).href;
    page.moduleBytes = new Promise(function (resolve) {
        requestAnimationFrame(function () {
            setTimeout(resolve, 0);
        });
    }).then(function () {
        return fetch(module, { credentials: 'same-origin' });
    }).then(function (response) {
        if (!response.ok)
            throw new Error(module + ': ' + response.status);
        return response.arrayBuffer();
    });
    // Reported by the loader, which waits for it.
    page.moduleBytes.catch(function () {});

    function boxes() {
        var inputs = document.querySelectorAll('#form input');
        return Array.prototype.map.call(inputs, function (box) {
            return { id: box.id, value: box.value, start: box.selectionStart, end: box.selectionEnd };
        });
    }
    // Enter in a box presses the window's default button.
    function pressed(action) {
        return action.kind === 'enter' ? document.body.dataset.defaultButton : action.id;
    }
    function sameBoxes(a, b) {
        return a.length === b.length && a.every(function (box, i) {
            return box.id === b[i].id && box.value === b[i].value && box.start === b[i].start &&
                box.end === b[i].end;
        });
    }
    function act(action) {
        action.boxes = boxes();
        if (page.dispatch) {
            page.dispatch(action);
            return;
        }
        var last = page.pending[page.pending.length - 1];
        if (!last || pressed(last) !== pressed(action) || !sameBoxes(last.boxes, action.boxes))
            page.pending.push(action);
    }
    document.addEventListener('click', function (event) {
        var button = event.target.closest && event.target.closest('#form button');
        if (button && !button.disabled)
            act({ kind: 'click', id: button.id });
    });
    document.addEventListener('keydown', function (event) {
        var box = event.target;
        // With Shift, Ctrl, Alt or Meta too, as the desktop's entry box does.
        if (event.key === 'Enter' && box.matches && box.matches('#form input') && !event.isComposing) {
            event.preventDefault();
            if (!(event.repeat && !page.dispatch))
                act({ kind: 'enter', id: box.id });
        }
    });
    // An entry box would drop the line breaks of a pasted or dropped text, joining the numbers of
    // a column into one; as line separators they reach the program, which reads each as a blank.
    // Once the program has loaded, the window inserts such a text as the program reads it.
    function keepLineBreaks(event, data) {
        var box = event.target;
        var text = data && data.getData('text/plain');
        if (event.defaultPrevented || !text || !box.matches || !box.matches('#form input'))
            return;
        event.preventDefault();
        box.focus();
        // The selection set on either side makes the paste an undo step of its own.
        box.setSelectionRange(box.selectionStart, box.selectionEnd);
        document.execCommand('insertText', false, text.replace(/\r\n|\r|\n/g, '\u2028'));
        box.setSelectionRange(box.selectionStart, box.selectionEnd);
    }
    document.addEventListener('paste', function (event) {
        keepLineBreaks(event, event.clipboardData);
    });
    document.addEventListener('drop', function (event) {
        keepLineBreaks(event, event.dataTransfer);
    });
})();
