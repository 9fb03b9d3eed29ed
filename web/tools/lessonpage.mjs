// The lesson page, «Разбор»: its inputs named and prefilled from the programs' layout tables and
// menu entries, and the empty views that lesson.js fills.
// An example to start from; any text is completed to ten numbers as the windows complete it.
const exampleInput = '5 3 8 1 9 2 7 4 10 6';

export function lessonPage({ head, escapeHtml, layouts, menuEntry }) {
    const sorting = Object.keys(layouts).filter(program => program !== 'Bank');
    const option = (value, text) => `<option value="${value}">${escapeHtml(text)}</option>`;
    const options = [...sorting.map(program => option(program, menuEntry(program).name)),
        option('compare', 'Сравнение трёх методов'), option('Bank', menuEntry('Bank').name)].join('\n');
    // The loan's boxes in the window's tab order: amount, rate, payment.
    const loanBoxes = layouts.Bank.controls.filter(control => control.kind === 'TextBox')
        .sort((a, b) => a.tabIndex - b.tabIndex);
    const loanFields = ['amount', 'rate', 'payment'].map((id, index) => {
        const box = loanBoxes[index];
        return `<p><label for="${id}">${escapeHtml(box.accessibleName)}</label>` +
            `<input type="text" id="${id}" value="${escapeHtml(box.caption)}" autocomplete="off" spellcheck="false"></p>`;
    }).join('\n');
    const sortBox = layouts[sorting[0]].controls.find(control => control.kind === 'TextBox');
    const button = (id, text) => `<button type="button" id="${id}">${text}</button>`;

    const title = menuEntry('lesson').name;
    return head(title, 'lesson', `<link rel="stylesheet" href="lesson.css">
<link rel="preload" href="traces.wasm" as="fetch" type="application/wasm" crossorigin>
<script type="module" src="lesson.js"></script>
`) + `<body class="lesson">
<nav><a href="index.html">← Все программы</a></nav>
<main>
<h1>${escapeHtml(title)}</h1>
<form id="inputs" class="loading">
<p><label for="program">Программа</label>
<select id="program">
${options}
</select></p>
<div id="sortInputs"><p><label for="input">${escapeHtml(sortBox.accessibleName)}</label>
<input type="text" id="input" value="${exampleInput}" maxlength="${layouts[sorting[0]].maxLength}" autocomplete="off" spellcheck="false"></p></div>
<div id="loanInputs" hidden>
${loanFields}
</div>
<p><button type="submit" id="show">Показать</button></p>
</form>
<p id="status" role="alert" hidden></p>

<section id="sortView" aria-label="Сортировка по шагам" hidden>
<div class="arrays">
<figure><figcaption>Массив ElementArray</figcaption><ol id="array" class="slots"></ol></figure>
<figure id="resultFigure"><figcaption>Массив ResultArray</figcaption><ol id="result" class="slots"></ol></figure>
</div>
<p id="narration" aria-live="polite"></p>
<p id="counters">Сравнений: <span id="comparisonCount">0</span><span hidden>, перестановок: <span id="swapCount">0</span></span></p>
<div class="player">
<p class="buttons">${button('first', 'В начало')}${button('back', '← Назад')}${button('play', 'Пуск')}${button('forward', 'Вперёд →')}${button('last', 'В конец')}</p>
<p><span id="steps" data-step="0" data-count="0">Шаг 0 из 0</span></p>
<p><label for="jump">Перейти к шагу</label> <input type="number" id="jump" min="0" value="0">
<label for="speed">Скорость</label> <select id="speed">
<option value="2000">медленно</option><option value="1000" selected>средне</option><option value="400">быстро</option>
</select></p>
</div>
<h2>Метод</h2>
<ol id="lines"></ol>
<p id="keys">Клавиши: <kbd>←</kbd> <kbd>→</kbd> — шаг назад и вперёд, <kbd>Home</kbd> <kbd>End</kbd> — к началу и к концу, <kbd>Пробел</kbd> — пуск и пауза.</p>
</section>

<section id="compare" aria-labelledby="compareTitle" hidden>
<h2 id="compareTitle">Три метода на одних числах</h2>
<div id="methods"></div>
<p id="compareNote"></p>
</section>

<section id="loanView" aria-label="Займ по годам" hidden>
<p id="loanSummary" role="status"></p>
<figure id="chartFigure"><figcaption>Долг на конец года, руб.</figcaption>
<svg id="chart" viewBox="0 0 600 200" role="img" aria-label=""></svg></figure>
<p><label for="goYear">Перейти к году</label> <input type="number" id="goYear" min="1" value="1"></p>
<div id="scroller" tabindex="0" role="region" aria-label="Таблица по годам">
<table id="schedule">
<thead><tr><th scope="col">Год</th><th scope="col">Долг в начале года</th><th scope="col">Проценты</th><th scope="col">Выплата</th><th scope="col">Долг в конце года</th></tr></thead>
<tbody></tbody>
</table>
</div>
<p><a id="csv" download="zaim.csv">Скачать таблицу (CSV)</a>: разделитель «;», десятичная запятая и UTF-8 с меткой порядка байтов, так что LibreOffice и другие электронные таблицы с русскими настройками открывают её без вопросов.</p>
</section>
</main>
</body>
</html>
`;
}

