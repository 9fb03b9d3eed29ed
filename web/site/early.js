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
})();
