// Builds the static site: one page per program with its window written in from the layout
// table, the list of programs, the module, the font subset, the manifest and a service worker
// whose cache is named after a hash of everything it caches.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { parseArgs } from 'node:util';
import { lessonPage } from './lessonpage.mjs';
import { checkPage } from './quizpage.mjs';

const { values: args } = parseArgs({
    options: Object.fromEntries(['layouts', 'lesson-texts', 'module', 'font', 'font-licence', 'programs', 'lesson', 'sources', 'esbuild', 'out']
        .map(name => [name, { type: 'string' }])),
});
for (const [name, value] of Object.entries(args))
    if (!value) throw new Error(`buildsite: --${name} is missing`);

// The programs in their order, and what the core knows of their windows.
const { lineBreak, programs: layouts } = JSON.parse(readFileSync(args.layouts, 'utf8'));
const out = args.out;
rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'icons'), { recursive: true });
mkdirSync(join(out, 'fonts'), { recursive: true });

// Line breaks as references, which the parser keeps as they are, a CR too.
const escapeHtml = text => text.replace(/[&<>"'\r\n]/g, c => `&#${c.charCodeAt(0)};`);
// A label breaks its lines where the caption has the core's line break.
const captionHtml = text => escapeHtml(text.split(lineBreak).join('\n'));

// The menu entry's name and one-line description, as the desktop's menu shows them.
// The names and icons are the desktop menu entries' (the lesson's beside its own sources).
const lesson = 'lesson';
const programFolder = program => program === lesson ? args.lesson : args.programs;
function menuEntry(program) {
    const entry = readFileSync(join(programFolder(program), `${program}.desktop`), 'utf8');
    const field = key => entry.match(new RegExp(`^${key}=(.*)$`, 'm'))[1];
    return { name: field('Name'), comment: field('Comment') };
}

// The way back to the list, on every page but the list.
const nav = '<nav><a href="index.html">← Все программы</a></nav>';

const policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'";
function head(title, icon, extra) {
    return `<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="${policy}">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>${escapeHtml(title)}</title>
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icons/${icon}.svg" type="image/svg+xml">
<link rel="preload" href="fonts/DejaVuSans.woff2" as="font" type="font/woff2" crossorigin>
<link rel="stylesheet" href="style.css">
${extra}</head>
`;
}

// The controls in the page's order, which is the order Tab takes: the ones that take focus in the
// core's tab order, each after the captions that come before it in the layout.
function inTabOrder(layout) {
    const focusable = new Set(layout.tabOrder);
    const before = new Map();
    let captions = [];
    for (const control of layout.controls) {
        if (focusable.has(control.name)) {
            before.set(control.name, [...captions, control]);
            captions = [];
        } else {
            captions.push(control);
        }
    }
    return [...layout.tabOrder.flatMap(name => before.get(name)), ...captions];
}

// Under the window of a program the lesson offers, hidden until a press has been answered: the
// link to the lesson of that press, whose values lessonlink.js fills in from the boxes the core's
// fragment names in braces.
function runLink(program) {
    const fragment = lessonTexts.runLinks[program];
    return fragment === undefined ? '' : `<p class="lessonlink" hidden><a id="lessonLink" ` +
        `data-href="${escapeHtml(`${lesson}.html${fragment}`)}">${escapeHtml(lessonTexts.runLink)}</a></p>
`;
}

// The window's border, in CSS pixels, as style.css draws it.
const Frame = { border: 1 };

const css = [];
function programPage(program, layout) {
    const scope = `.layout-${program}`;
    const outer = layout.width + 2 * Frame.border;
    css.push(`${scope} { width: ${layout.width}px; height: ${layout.height}px; }`);
    // Scaled down as a whole to the screen's width where it is narrower than the window.
    css.push(`.window-${program} { zoom: min(1, calc((100vw - 16px) / ${outer}px)); }`);
    const markup = inTabOrder(layout).map(control => {
        const id = control.name;
        css.push(`${scope} #${id}, ${scope} #${id}-selection { left: ${control.left}px; ` +
            `top: ${control.top}px; width: ${control.width}px; height: ${control.height}px; }`);
        const focus = id === layout.tabOrder[0] ? ' autofocus' : '';
        const kind = `data-kind="${control.kind}"`;
        switch (control.kind) {
        case 'Label': {
            const live = layout.written.includes(id) ? ' aria-live="polite"' : '';
            return `<div id="${id}" ${kind} class="label"${live}>${captionHtml(control.caption)}</div>`;
        }
        case 'TextBox':
            return `<input type="text" id="${id}" ${kind} maxlength="${layout.maxLength}" ` +
                `value="${escapeHtml(control.caption)}" aria-label="${escapeHtml(control.accessibleName)}" ` +
                `dir="auto" autocomplete="off" spellcheck="false"${focus}>` +
                `<div id="${id}-selection" class="selection" aria-hidden="true"><div></div></div>`;
        case 'CommandButton': {
            const drawnDefault = id === layout.defaultButton ? ' class="default"' : '';
            return `<button type="button" id="${id}" ${kind}${drawnDefault}${focus}>` +
                `${escapeHtml(control.caption)}</button>`;
        }
        default:
            throw new Error(`buildsite: ${program}: ${id} is of an unknown kind, ${control.kind}`);
        }
    }).join('\n');
    // The early script holds up the window until it has run, and reads the program's module once
    // the window has painted. Neither the module nor the page's scripts are preloaded: in measured
    // runs on two cores, asking for them beside the style sheets held up the window's paint, and
    // answered the first click no sooner.
    return head(layout.caption, program, `<link rel="stylesheet" href="layout.css">
<script src="early.js" data-module="demos.wasm"></script>
<script type="module" src="programpage.js"></script>
`) + `<body class="program" data-program="${program}" data-default-button="${layout.defaultButton}" ` +
        `data-line-break="${escapeHtml(lineBreak)}">
${nav}
<main>
<div id="window" class="window window-${program}" role="group" aria-labelledby="caption">
<h1 id="caption" class="titlebar">${escapeHtml(layout.caption)}</h1>
<div id="form" class="layout-${program}">
${markup}
</div>
</div>
${runLink(program)}<p id="status" role="alert" hidden></p>
<div id="ended" hidden>
<h1>Программа «${escapeHtml(layout.caption)}» завершила работу.</h1>
<p><a id="restart" href="${program}.html">Запустить снова</a> · <a href="index.html">К списку программ</a></p>
</div>
</main>
<div id="tip" role="tooltip" hidden></div>
<dialog id="message" role="alertdialog" aria-modal="true" aria-labelledby="messageTitle" aria-describedby="messageText">
<div id="messageTitle" class="titlebar"></div>
<p id="messageText"></p>
<button type="button" id="messageOk" autofocus>${escapeHtml(layout.messageOk)}</button>
</dialog>
</body>
</html>
`;
}

const programs = Object.keys(layouts);
const lessonTexts = JSON.parse(readFileSync(args['lesson-texts'], 'utf8'));
for (const program of programs)
    writeFileSync(join(out, `${program}.html`), programPage(program, layouts[program]));
writeFileSync(join(out, 'layout.css'), css.join('\n') + '\n');
writeFileSync(join(out, `${lesson}.html`),
    lessonPage({ head, nav, escapeHtml, texts: lessonTexts }));
writeFileSync(join(out, 'check.html'), checkPage({ head, nav, escapeHtml, texts: lessonTexts }));

const items = [...programs, lesson].map(program => {
    const { name, comment } = menuEntry(program);
    copyFileSync(join(programFolder(program), `${program}.svg`), join(out, 'icons', `${program}.svg`));
    return `<li><a href="${program}.html"><img src="icons/${program}.svg" alt="" width="48" height="48">` +
        `<span class="name">${escapeHtml(name)}</span><span class="comment">${escapeHtml(comment)}</span></a></li>`;
}).join('\n');
writeFileSync(join(out, 'index.html'), head('Учебные программы', programs[0],
    '<script type="module" src="register.js"></script>\n') + `<body class="index">
<main>
<h1>Учебные программы</h1>
<ul class="programs">
${items}
</ul>
<p class="notes">Программы работают в браузере и после первого посещения — без сети.
Шрифт DejaVu Sans: <a href="fonts/LICENSE-DejaVu.txt">лицензия</a>.</p>
</main>
</body>
</html>
`);

writeFileSync(join(out, 'manifest.webmanifest'), JSON.stringify({
    name: 'Учебные программы',
    short_name: 'Программы',
    lang: 'ru',
    start_url: 'index.html',
    scope: './',
    display: 'standalone',
    background_color: '#ffffff',
    theme_color: '#3a5a8c',
    icons: programs.map(program => ({ src: `icons/${program}.svg`, sizes: 'any', type: 'image/svg+xml' })),
}, null, 2) + '\n');

for (const file of readdirSync(args.sources))
    if (file !== 'sw.js')
        copyFileSync(join(args.sources, file), join(out, file));
// A program page's start in one file: each level of imports cost its first click a round of
// requests, and the minified file is read sooner. What the page imports dynamically loads later,
// as its own file: a first pass finds it.
function bundle(entry) {
    const common = [entry, '--bundle', '--minify', '--format=esm', '--log-level=warning'];
    const inSources = { cwd: args.sources };
    const scratch = mkdtempSync(join(tmpdir(), 'buildsite-'));
    const meta = join(scratch, 'meta.json');
    execFileSync(args.esbuild, [...common, `--metafile=${meta}`, `--outfile=${join(scratch, entry)}`], inSources);
    const later = Object.values(JSON.parse(readFileSync(meta, 'utf8')).inputs).flatMap(input =>
        input.imports.filter(({ kind }) => kind === 'dynamic-import').map(({ original }) => original));
    rmSync(scratch, { recursive: true });
    execFileSync(args.esbuild, [...common, ...later.map(file => `--external:${file}`), `--outfile=${join(out, entry)}`], inSources);
}
bundle('programpage.js');
for (const file of ['demos.wasm', 'traces.wasm'])
    copyFileSync(join(args.module, file), join(out, file));
copyFileSync(args.font, join(out, 'fonts', 'DejaVuSans.woff2'));
copyFileSync(args['font-licence'], join(out, 'fonts', 'LICENSE-DejaVu.txt'));

// Everything but the worker itself, which the browser checks for a new build on each visit.
function listFiles(folder, prefix = '') {
    return readdirSync(join(folder, prefix), { withFileTypes: true }).flatMap(entry =>
        entry.isDirectory() ? listFiles(folder, join(prefix, entry.name)) : [join(prefix, entry.name)]).sort();
}
const files = listFiles(out);
const hash = createHash('sha256');
for (const file of files)
    hash.update(file).update('\0').update(readFileSync(join(out, file)));
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(join(args.sources, 'sw.js'), 'utf8')
    .replace('@VERSION@', version)
    .replace('@FILES@', JSON.stringify(['./', ...files]));
writeFileSync(join(out, 'sw.js'), worker);
