// The layout table the web build writes (web/tools/layouts.cpp), as the tools, the browser tests
// and the benchmarks read it: the programs in their order and what the core knows of each window.
import { readFileSync } from 'node:fs';

const table = JSON.parse(readFileSync(new URL('../../build-web/web/layouts.json', import.meta.url), 'utf8'));

export const { lineBreak } = table;
export const layouts = table.programs;
export const programs = Object.keys(layouts);
// A program's typical click: the button Enter presses, and the first caption its click writes.
export const defaultButton = program => layouts[program].defaultButton;
export const firstWritten = program => layouts[program].written[0];
