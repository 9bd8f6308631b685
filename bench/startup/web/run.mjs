// Start-up in the browser: the page, its floor (the least emscripten program of the same build and flags
// with the same nine controls, under the same policy) and a bare HTML page with plain JavaScript, each
// opened in turn in a fresh tab of headless Chromium from file://, RUNS times. A page is interactive when
// every control is there, the button's handler bound and the focus on it, and a frame has been painted
// after that. Then a 1 MB paste into a box of the page against one into the bare page's box. Prints every
// run, then medians and ratios.
// Usage: node bench/startup/web/run.mjs [BUILD_DIR]   (build/web by default; RUNS=61, SETTLE_MS=200; BEFORE=an older
// ringcalc.html to time as a fourth page)
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromiumOptions, loadPuppeteer, median, repo, settleMs, startPages, watchInteractive } from './common.mjs';

const build = resolve(process.argv[2] || join(repo, 'build/web'));
const runs = Number(process.env.RUNS || 61); // at 31 the ratio scattered by 0.07 between runs, at 61 by 0.03
const puppeteer = await loadPuppeteer();

const pages = startPages(build);
const profile = mkdtempSync(join(tmpdir(), 'ringcalc-bench-'));
const browser = await puppeteer.launch(chromiumOptions(profile));

// Milliseconds from the navigation's start to the first frame painted once the page is interactive.
async function startUp(path) {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(watchInteractive);
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    await page.waitForFunction(() => window.rcInteractive !== undefined, { timeout: 30000 });
    const time = await page.evaluate(() => window.rcInteractive);
    await page.close();
    await new Promise((done) => setTimeout(done, settleMs));
    return time;
}

// Milliseconds to paste a megabyte into Text2 and paint it.
async function paste(path) {
    const page = await browser.newPage();
    await page.goto(pathToFileURL(path).href, { waitUntil: 'load' });
    await page.waitForSelector('#Text2');
    const time = await page.evaluate(() => new Promise((done) => {
        const box = document.getElementById('Text2');
        box.focus();
        box.select();
        const start = performance.now();
        document.execCommand('insertText', false, 'x'.repeat(1 << 20));
        requestAnimationFrame(() => setTimeout(() => done(box.value.length === 1 << 20 ? performance.now() - start : NaN), 0));
    }));
    await page.close();
    return time;
}

const names = Object.keys(pages);
const times = Object.fromEntries(names.map((n) => [n, []]));
for (let run = 0; run < runs; run++) {
    const order = names.map((_, i) => names[(i + run) % names.length]); // each goes first in turn
    for (const name of order) {
        times[name].push(await startUp(pages[name]));
    }
    console.log(`run ${run + 1}: ` + names.map((n) => `${n} ${times[n][run].toFixed(1)} ms`).join(', '));
}
const pastes = { ringcalc: [], bare: [] };
for (let run = 0; run < 5; run++) {
    for (const name of Object.keys(pastes)) {
        pastes[name].push(await paste(pages[name]));
    }
}
await browser.close();
rmSync(profile, { recursive: true, force: true });

const m = Object.fromEntries(names.map((n) => [n, median(times[n])]));
console.log(`medians of ${runs}: ringcalc ${m.ringcalc.toFixed(1)} ms, floor ${m.floor.toFixed(1)} ms, bare ${m.bare.toFixed(1)} ms`);
console.log(`ringcalc ÷ floor ${(m.ringcalc / m.floor).toFixed(2)} (goal: at most 1.10), ringcalc ÷ bare ${(m.ringcalc / m.bare).toFixed(2)}`);
// Each run's own ratio too: the two pages of one run are timed a moment apart, so a machine that drifts
// between runs moves both.
const paired = median(times.ringcalc.map((t, i) => t / times.floor[i]));
console.log(`median of each run's ringcalc ÷ floor ${paired.toFixed(2)}`);
// How far the ratio of the medians could be from these runs alone: the runs drawn again at random, with
// replacement, each keeping its own page and floor, 2000 times; the middle 95 % of the ratios they give.
// The draws are seeded, so the same times always give the same range.
let seed = 1;
const draw = () => {
    seed = (seed * 48271) % 2147483647;
    return Math.floor((seed / 2147483647) * runs);
};
const draws = 2000;
const resampled = Array.from({ length: draws }, () => {
    const picked = Array.from({ length: runs }, draw);
    return median(picked.map((i) => times.ringcalc[i])) / median(picked.map((i) => times.floor[i]));
}).sort((x, y) => x - y);
console.log(`ringcalc ÷ floor, 95 % of the runs drawn again: ${resampled[Math.floor(draws * 0.025)].toFixed(2)} to ${resampled[Math.ceil(draws * 0.975) - 1].toFixed(2)}`);
if (m.before !== undefined) {
    console.log(`the older page ${m.before.toFixed(1)} ms, ÷ floor ${(m.before / m.floor).toFixed(2)}`);
}
const p = { ringcalc: median(pastes.ringcalc), bare: median(pastes.bare) };
console.log(`a 1 MB paste, medians of 5: ringcalc ${p.ringcalc.toFixed(1)} ms, a bare <input> ${p.bare.toFixed(1)} ms, ratio ${(p.ringcalc / p.bare).toFixed(2)}`);
const page = readFileSync(pages.ringcalc);
console.log(`the page: ${page.length} bytes, ${gzipSync(page, { level: 9 }).length} gzipped (goal: at most 100 KB)`);
