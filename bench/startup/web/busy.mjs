// The work of a start, apart from the machine's other load: the CPU time the tab's main thread spends from
// the navigation to the page's being interactive, from a trace of each start (the threads' own clocks, which
// a busy machine does not run on while it runs something else). The page, its floor and the bare page in
// turn, as run.mjs opens them; prints the medians and ratios, and the main parts of each.
// Usage: node bench/startup/web/busy.mjs [BUILD_DIR]   (build/web by default; RUNS=15, SETTLE_MS=200; BEFORE=an
// older page)
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromiumOptions, loadPuppeteer, median, repo, settleMs, startPages, watchInteractive } from './common.mjs';

const build = resolve(process.argv[2] || join(repo, 'build/web'));
const runs = Number(process.env.RUNS || 15);
const puppeteer = await loadPuppeteer();
const pages = startPages(build);
const profile = mkdtempSync(join(tmpdir(), 'ringcalc-busy-'));
const browser = await puppeteer.launch(chromiumOptions(profile));

// The parts reported, by the trace's names for them. They nest: the script's run holds the compiling of its
// WebAssembly, and the style and layout it asks for.
const PARTS = {
    'RunTask': 'all', 'ThreadControllerImpl::RunTask': 'all', 'ParseHTML': 'parsing the page, its script included',
    'TextResourceDecoder::Decode': 'decoding its text', 'v8.compile': 'compiling the JavaScript',
    'EvaluateScript': 'running the script', 'wasm.SyncCompile': 'compiling the WebAssembly at its start',
    'wasm.CompileLazy': 'compiling WebAssembly functions on their first call', 'UpdateLayoutTree': 'style',
    'Layout': 'layout', 'Paint': 'paint',
};

// Milliseconds of the main thread's own time in each part up to the page's interactive mark.
async function work(path) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(watchInteractive);
    await page.tracing.start({ categories: ['disabled-by-default-devtools.timeline', 'devtools.timeline', 'blink',
                                            'blink.user_timing', 'v8', 'v8.wasm'] });
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    await page.waitForFunction(() => window.rcInteractive !== undefined, { timeout: 30000 });
    const events = JSON.parse(Buffer.from(await page.tracing.stop()).toString('utf8')).traceEvents;
    await page.close();
    await new Promise((done) => setTimeout(done, settleMs));
    const parse = events.find((e) => e.name === 'ParseHTML');
    const mark = events.find((e) => e.name === 'rc-interactive');
    if (!parse || !mark) {
        throw new Error(`busy.mjs: no parse or no interactive mark in the trace of ${path}`);
    }
    const own = events.filter((e) => e.pid === parse.pid && e.tid === parse.tid && e.ph === 'X' &&
        e.tdur !== undefined && e.ts < mark.ts);
    const parts = {};
    for (const e of own) {
        const part = PARTS[e.name];
        if (part) {
            parts[part] = (parts[part] || 0) + e.tdur / 1000;
        }
    }
    return parts;
}

const names = Object.keys(pages);
const measured = Object.fromEntries(names.map((n) => [n, []]));
for (let run = 0; run < runs; run++) {
    for (const name of names.map((_, i) => names[(i + run) % names.length])) {
        measured[name].push(await work(pages[name]));
    }
}
await browser.close();
rmSync(profile, { recursive: true, force: true });

const of = (name, part) => median(measured[name].map((p) => p[part] || 0));
console.log(`main thread's CPU time to interactive, medians of ${runs}: ` +
    names.map((n) => `${n} ${of(n, 'all').toFixed(1)} ms`).join(', '));
console.log(`ringcalc ÷ floor ${(of('ringcalc', 'all') / of('floor', 'all')).toFixed(2)}, each run's own ` +
    median(measured.ringcalc.map((p, i) => p.all / measured.floor[i].all)).toFixed(2));
if (pages.before) {
    console.log(`the older page ÷ floor ${(of('before', 'all') / of('floor', 'all')).toFixed(2)}`);
}
console.log('the parts (ms):');
for (const part of new Set(Object.values(PARTS))) {
    if (part !== 'all') {
        console.log(`  ${part}: ` + names.map((n) => `${n} ${of(n, part).toFixed(2)}`).join(', '));
    }
}
