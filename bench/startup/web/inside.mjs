// Where the start goes inside the page and its floor: each call out to the browser that the C++ code makes
// (the page's EM_JS functions, the floor's one), the runtime's unwinding throw, and `main` as a whole, timed
// in the page. The pages are served from 127.0.0.1 cross-origin isolated, where the browser's clock runs at
// 5 µs rather than 100 µs, with their policy taken off so that the timing can go in. Prints the medians.
// Usage: node bench/startup/web/inside.mjs [BUILD_DIR]   (build/web by default; RUNS=41)
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { join, resolve } from 'node:path';
import { chromiumOptions, loadPuppeteer, median, repo, settleMs } from './common.mjs';

const build = resolve(process.argv[2] || join(repo, 'build/web'));
const runs = Number(process.env.RUNS || 41);
const puppeteer = await loadPuppeteer();

// Each JavaScript function the program imports by name adds its time to rcInside[name]; main and the
// throw that ends `start` are timed too.
function timed(page) {
    let text = page.replace(/<meta http-equiv="Content-Security-Policy"[^>]*>\n?/, '');
    for (const [, name, args] of text.matchAll(/function ((?:web|floor)[A-Za-z]*)\(([^)]*)\)\{/g)) {
        text = text.replace(`function ${name}(${args}){`,
            `function ${name}(${args}){const t0=performance.now();try{return ${name}_timed(${args})}finally{` +
            `rcInside["${name}"]=(rcInside["${name}"]||0)+performance.now()-t0}}function ${name}_timed(${args}){`);
    }
    const replace = (from, to) => {
        if (!text.includes(from)) throw new Error(`inside.mjs: the runtime no longer has ${from}`);
        text = text.replace(from, to);
    };
    replace('<script>', '<script>var rcInside={};');
    replace('callMain(args);', '{const t0=performance.now();callMain(args);rcInside.main=performance.now()-t0}');
    if (text.includes('function _emscripten_exit_with_live_runtime(){throw"unwind"}')) {
        replace('function _emscripten_exit_with_live_runtime(){throw"unwind"}',
                'function _emscripten_exit_with_live_runtime(){rcInside.thrown=performance.now();throw"unwind"}');
        replace('catch(e){return handleException(e)}',
                'catch(e){if(rcInside.thrown)rcInside.throw=performance.now()-rcInside.thrown;return handleException(e)}');
    }
    return text;
}

const pages = {
    ringcalc: timed(readFileSync(join(build, 'ringcalc.html'), 'utf8')),
    floor: timed(readFileSync(join(build, 'bench/startup/web/floor.html'), 'utf8')),
};
const server = createServer((request, response) => {
    const page = pages[request.url.slice(1)];
    response.writeHead(page ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8',
        'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' });
    response.end(page);
}).listen(0, '127.0.0.1');
await new Promise((done) => server.once('listening', done));
const browser = await puppeteer.launch(chromiumOptions(undefined));

const times = { ringcalc: [], floor: [] };
for (let run = 0; run < runs; run++) {
    for (const name of run % 2 ? ['floor', 'ringcalc'] : ['ringcalc', 'floor']) {
        const tab = await browser.newPage();
        await tab.goto(`http://127.0.0.1:${server.address().port}/${name}`, { waitUntil: 'load' });
        await tab.waitForFunction(() => window.rcInside && window.rcInside.main !== undefined);
        times[name].push(await tab.evaluate(() => crossOriginIsolated ? window.rcInside : null));
        await tab.close();
        await new Promise((done) => setTimeout(done, settleMs));
    }
}
await browser.close();
server.close();

for (const [name, all] of Object.entries(times)) {
    if (all.includes(null)) throw new Error('inside.mjs: the page was not cross-origin isolated');
    const parts = Object.keys(all[0]).filter((key) => key !== 'thrown');
    const calls = all.map((t) => Object.keys(t).filter((k) => /^(web|floor)/.test(k)).reduce((s, k) => s + t[k], 0));
    const own = all.map((t, i) => t.main - calls[i] - (t.throw || 0));
    console.log(`${name}: ` + parts.map((p) => `${p} ${median(all.map((t) => t[p] || 0)).toFixed(2)}`).join(', ') +
        `; all calls out ${median(calls).toFixed(2)}, the rest of main (the C++ code) ${median(own).toFixed(2)} ms`);
}
