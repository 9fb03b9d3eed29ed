// Runs as soon as the window is in the page, before the module has loaded: fits the window to
// the screen, and keeps every click and Enter until the program can answer them, with the
// entry boxes' texts and selections as they were at that moment.
'use strict';
(function () {
    var page = (window.demosPage = { pending: [], dispatch: null });
    var form = document.getElementById('form');
    var frame = document.getElementById('window');

    function fit() {
        var room = document.documentElement.clientWidth - 16;
        var width = Number(frame.dataset.width);
        document.documentElement.style.setProperty('--fit', String(Math.min(1, room / width)));
    }
    fit();
    window.addEventListener('resize', fit);

    function boxes() {
        return Array.prototype.map.call(form.querySelectorAll('input'), function (box) {
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
    form.addEventListener('click', function (event) {
        var button = event.target.closest('button');
        if (button && !button.disabled)
            act({ kind: 'click', id: button.id });
    });
    form.addEventListener('keydown', function (event) {
        if (event.key === 'Enter' && event.target.tagName === 'INPUT' && !event.isComposing &&
            !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey) {
            event.preventDefault();
            act({ kind: 'enter', id: event.target.id });
        }
    });
})();
