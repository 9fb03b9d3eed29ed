// «Проверь себя» in the pages, with the core's captions (`texts.quiz`, written by lessontexts.cpp):
// the mode's switch and region in lesson.html, which lessonquiz.js fills from the module, and the
// teacher's page, check.html.
export function modeSwitch({ escapeHtml, texts }) {
    const quiz = texts.quiz;
    const option = (value, caption, checked) => `<label><input type="radio" name="mode" value="${value}"` +
        `${checked ? ' checked' : ''}> ${escapeHtml(caption)}</label>`;
    return `<fieldset id="modeSwitch">` +
        `${option('watch', quiz.watchMode, true)} ${option('predict', quiz.mode, false)}</fieldset>`;
}

export function quizSection({ escapeHtml, texts }) {
    const quiz = texts.quiz;
    const headers = [...quiz.mistakeColumns, quiz.showStep].map(header =>
        `<th scope="col">${escapeHtml(header)}</th>`).join('');
    return `<section id="quiz" aria-labelledby="questionHeading" hidden>
<p id="announce" class="visually-hidden" aria-live="assertive"></p>
<div id="question" data-kind="">
<h2 id="questionHeading"></h2>
<p id="questionText"></p>
<div id="answers" role="group" aria-labelledby="questionText"></div>
<p id="answerBox"><label for="answer">${escapeHtml(quiz.answerLabel)}</label>
<input type="text" id="answer" autocomplete="off" spellcheck="false">
<button type="button" id="submit">${escapeHtml(quiz.submit)}</button></p>
<p id="keysHint"></p>
<p id="verdict"></p>
<p><button type="button" id="next" hidden></button></p>
</div>
<div id="end" hidden>
<h2 id="endHeading" tabindex="-1">${escapeHtml(quiz.endHeading)}</h2>
<p>${escapeHtml(quiz.scoreLabel)} <strong id="score"></strong></p>
<h3 id="mistakesHeading">${escapeHtml(quiz.mistakesHeading)}</h3>
<p id="noMistakes">${escapeHtml(quiz.noMistakes)}</p>
<div class="tablebox" tabindex="0" role="region" aria-labelledby="mistakesHeading"><table id="mistakes" class="quiztable"><thead><tr>${headers}</tr></thead><tbody></tbody></table></div>
<p><label for="studentName">${escapeHtml(quiz.nameLabel)}</label>
<input type="text" id="studentName" autocomplete="name" spellcheck="false"></p>
<p>${escapeHtml(quiz.checkCode)}: <output id="checkcode"></output>
<button type="button" id="copyCode">${escapeHtml(quiz.copy)}</button></p>
<p id="codeHint" data-none="${escapeHtml(quiz.noCheckCode)}">${escapeHtml(quiz.checkCodeHint)}</p>
<p><button type="button" id="again">${escapeHtml(quiz.again)}</button></p>
</div>
<p id="quizMessage" data-before="${escapeHtml(quiz.noQuestions)}" hidden></p>
<p><button type="button" id="newTask">${escapeHtml(quiz.newTask)}</button></p>
</section>
`;
}

export function checkPage({ head, nav, escapeHtml, texts }) {
    const quiz = texts.quiz;
    const headers = quiz.checkHeaders.map(header => `<th scope="col">${escapeHtml(header)}</th>`).join('');
    return head(quiz.checkTitle, 'lesson', `<link rel="stylesheet" href="quiz.css">
<script type="module" src="checkpage.js"></script>
`) + `<body class="check">
${nav}
<main>
<h1>${escapeHtml(quiz.checkTitle)}</h1>
<p>${escapeHtml(quiz.checkIntro)}</p>
<form id="checkForm">
<p><label for="codes">${escapeHtml(quiz.codesLabel)}</label></p>
<textarea id="codes" rows="8" autocomplete="off" spellcheck="false"></textarea>
<p><button type="submit" id="verify">${escapeHtml(quiz.verify)}</button></p>
</form>
<p id="noCodes">${escapeHtml(quiz.noCodes)}</p>
<div class="tablebox" tabindex="0" role="region" aria-labelledby="resultsCaption"><table id="results" class="quiztable" hidden>
<caption id="resultsCaption">${escapeHtml(quiz.resultsCaption)}</caption>
<thead><tr>${headers}</tr></thead>
<tbody></tbody>
</table></div>
</main>
</body>
</html>
`;
}
