// Runs before the window is in the page, and before the module has loaded: keeps every click
// and Enter until the program can answer them, with the entry boxes' texts and selections as
// they were at that moment.
'use strict';
(function () {
    var page = (window.demosPage = { pending: [], dispatch: null });

    function boxes() {
        var inputs = document.querySelectorAll('#form input');
        return Array.prototype.map.call(inputs, function (box) {
            return { id: box.id, value: box.value, start: box.selectionStart, end: box.selectionEnd };
        });
    }
    function act(action) {
        action.boxes = boxes();
        if (page.dispatch)
            page.dispatch(action);
        else
            page.pending.push(action);
    }
    document.addEventListener('click', function (event) {
        var button = event.target.closest && event.target.closest('#form button');
        if (button && !button.disabled)
            act({ kind: 'click', id: button.id });
    });
    document.addEventListener('keydown', function (event) {
        var box = event.target;
        if (event.key === 'Enter' && box.matches && box.matches('#form input') && !event.isComposing &&
            !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey) {
            event.preventDefault();
            act({ kind: 'enter', id: box.id });
        }
    });
    // An entry box would drop the line breaks of a pasted or dropped text, joining the numbers of
    // a column into one; as line separators they reach the program, which reads each as a blank.
    function keepLineBreaks(event, data) {
        var box = event.target;
        var text = data && data.getData('text/plain');
        if (!text || !box.matches || !box.matches('#form input'))
            return;
        event.preventDefault();
        box.focus();
        document.execCommand('insertText', false, text.replace(/\r\n|\r|\n/g, '\u2028'));
    }
    document.addEventListener('paste', function (event) {
        keepLineBreaks(event, event.clipboardData);
    });
    document.addEventListener('drop', function (event) {
        keepLineBreaks(event, event.dataTransfer);
    });
})();
