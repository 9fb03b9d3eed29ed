// The lesson page, «Разбор»: its choices, boxes, player and table headers as the core names them
// (`texts`, written by lessontexts.cpp), and the empty views that lesson.js fills from the module.
import { modeSwitch, quizSection } from './quizpage.mjs';

// `nav`: the site's way back to the list of programs.
export function lessonPage({ head, nav, escapeHtml, texts }) {
    const options = texts.choices.map(choice =>
        `<option value="${escapeHtml(choice.program)}" data-kind="${choice.kind}">${escapeHtml(choice.label)}</option>`).join('\n');
    // Each box is named by its id, which is the link's key; the module keeps them in this order.
    const box = field => `<p><label for="${field.id}">${escapeHtml(field.caption)}</label>` +
        `<input type="text" id="${field.id}" data-field value="${escapeHtml(field.start)}" ` +
        `maxlength="${field.maxLength}" autocomplete="off" spellcheck="false"></p>`;
    const [numbers, ...loanFields] = texts.fields;
    const player = texts.player;
    const button = id => `<button type="button" id="${id}"${id === 'play' ? ` data-pause="${escapeHtml(player.pause)}"` : ''}>` +
        `${escapeHtml(player[id])}</button>`;
    const speeds = texts.speeds.map((speed, index) =>
        `<option value="${index}"${index === texts.defaultSpeed ? ' selected' : ''}>${escapeHtml(speed.name)}</option>`).join('');
    const headers = [...texts.loanHeaders, texts.loanNoteHeader]
        .map(header => `<th scope="col">${escapeHtml(header)}</th>`).join('');

    return head(texts.title, 'lesson', `<link rel="stylesheet" href="lesson.css">
<link rel="stylesheet" href="quiz.css">
<link rel="preload" href="traces.wasm" as="fetch" type="application/wasm" crossorigin>
<script type="module" src="lesson.js"></script>
`) + `<body class="lesson">
${nav}
<main>
<h1>${escapeHtml(texts.title)}</h1>
<form id="inputs" class="loading">
<p><label for="program">${escapeHtml(texts.choice)}</label>
<select id="program">
${options}
</select></p>
${modeSwitch({ escapeHtml, texts })}
<div id="sortInputs">${box(numbers)}</div>
<div id="loanInputs" hidden>
${loanFields.map(box).join('\n')}
</div>
<p><button type="submit" id="show">${escapeHtml(texts.run)}</button></p>
</form>
<p id="status" role="alert" hidden>${escapeHtml(texts.loadFailed)}</p>
${quizSection({ escapeHtml, texts })}
<section id="sortView" aria-labelledby="steps" hidden>
<h2 id="steps" data-step="0" data-count="0"></h2>
<div class="arrays">
<figure><figcaption>${escapeHtml(texts.elementsCaption)}</figcaption><ol id="array" class="slots"></ol></figure>
<figure id="resultFigure"><figcaption>${escapeHtml(texts.resultsCaption)}</figcaption><ol id="result" class="slots"></ol></figure>
<p id="inPlaceNote" hidden></p>
</div>
<p id="narration" aria-live="polite"></p>
<p id="counters"></p>
<ul id="variables"></ul>
<div class="player">
<p class="buttons">${['first', 'back', 'play', 'forward', 'last'].map(button).join('')}</p>
<p><label for="jump">${escapeHtml(player.jump)}</label> <input type="number" id="jump" min="0" value="0">
<label for="speed">${escapeHtml(player.speed)}</label> <select id="speed">${speeds}</select></p>
<p id="keys">${escapeHtml(player.keys)}</p>
</div>
<ol id="lines"></ol>
</section>

<section id="compare" aria-labelledby="compareTitle" hidden>
<h2 id="compareTitle"></h2>
<div id="methods"></div>
<p id="compareNote"></p>
</section>

<section id="loanView" hidden>
<p id="loanSummary" role="status"></p>
<p id="totals"></p>
<figure id="chartFigure"><figcaption id="chartTitle"></figcaption>
<svg id="chart" role="img"></svg></figure>
<p class="goYear"><label for="goYear">${escapeHtml(texts.goToYear)}</label> <input type="number" id="goYear" min="1" value="1"></p>
<p id="yearSentence"></p>
<div id="scroller" tabindex="0" role="region" aria-labelledby="tableName">
<table id="schedule">
<caption id="tableName">${escapeHtml(texts.loanTableName)}</caption>
<thead><tr>${headers}</tr></thead>
<tbody></tbody>
</table>
</div>
<p id="csvOffer"><a id="csv" download="${escapeHtml(texts.csvFileName)}">${escapeHtml(texts.downloadCsv)}</a>: ${escapeHtml(texts.csvFormat)}</p>
</section>
</main>
</body>
</html>
`;
}
