// Writes the imsmanifest.xml of the SCORM 1.2 package: the built site as one shared resource, and
// one SCO for each of the lesson's choices that has the mode (each sort and the loan, in the
// build's program order, titled as the lesson's choice), launching its «Проверь себя» task.
// Usage: scormmanifest.mjs --lesson-texts lesson.json --site FOLDER --out FILE [--seed N]
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { parseArgs } from 'node:util';

const { values: args } = parseArgs({
    options: Object.fromEntries(['lesson-texts', 'site', 'out', 'seed'].map(name => [name, { type: 'string' }])),
});
for (const name of ['lesson-texts', 'site', 'out'])
    if (!args[name]) throw new Error(`scormmanifest: --${name} is missing`);
// One seed for the whole package, so that a class gets one task; a teacher may change it in the
// platform's launch address.
const seed = Number(args.seed ?? 1);

const texts = JSON.parse(readFileSync(args['lesson-texts'], 'utf8'));
const xml = text => String(text).replace(/[&<>"']/g, c => `&#${c.charCodeAt(0)};`);

function listFiles(folder, prefix = '') {
    return readdirSync(join(folder, prefix), { withFileTypes: true }).flatMap(entry =>
        entry.isDirectory() ? listFiles(folder, join(prefix, entry.name)) : [join(prefix, entry.name)]).sort();
}

const tasks = texts.choices.filter(choice => choice.kind === 'sort' || choice.kind === 'loan');
const launch = choice => `lesson.html#program=${encodeURIComponent(choice.program)}&mode=predict&seed=${seed}`;
const items = tasks.map(choice => `      <item identifier="item-${xml(choice.program)}" identifierref="sco-${xml(choice.program)}">
        <title>${xml(choice.label)}</title>
      </item>`).join('\n');
const scos = tasks.map(choice => `    <resource identifier="sco-${xml(choice.program)}" type="webcontent" adlcp:scormtype="sco" href="${xml(launch(choice))}">
      <file href="lesson.html"/>
      <dependency identifierref="site"/>
    </resource>`).join('\n');
const files = listFiles(args.site).map(file => `      <file href="${xml(file)}"/>`).join('\n');

writeFileSync(args.out, `<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="classroom-demos-predict" version="1.0"
  xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
  xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
  xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
  xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="predict">
    <organization identifier="predict">
      <title>${xml(texts.quiz.mode)}</title>
${items}
    </organization>
  </organizations>
  <resources>
${scos}
    <resource identifier="site" type="webcontent" adlcp:scormtype="asset">
${files}
    </resource>
  </resources>
</manifest>
`);
