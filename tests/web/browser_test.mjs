// The page in Debian's Chromium, driven as a user would: places, focus, keys, the boxes, errors, Exit; no
// request leaves the page and nothing is logged to the console. The cases are the shared ones, as
// export_cases writes them.
// Usage: node browser_test.mjs PATH/TO/ringcalc.html PATH/TO/export_cases.js
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';
import puppeteer from 'puppeteer-core';

import { chromiumOptions } from './chromium.mjs';

const [pagePath, exporter] = process.argv.slice(2);
const cases = JSON.parse(execFileSync('node', ['--no-experimental-fetch', exporter], { encoding: 'utf8' }));
const pageUrl = pathToFileURL(pagePath).href;

let passed = 0;
let failed = 0;
const failures = [];
function check(condition, what) {
    if (condition) {
        passed++;
    } else {
        failed++;
        failures.push(what);
        console.log('FAIL: ' + what);
    }
}
const same = (actual, expected, what) => check(actual === expected, `${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);

const profile = mkdtempSync(join(tmpdir(), 'ringcalc-chromium-'));
const browser = await puppeteer.launch(chromiumOptions(profile, ['--window-size=1024,768']));

// A fresh page; every request and console message it makes is kept for the last checks.
const requests = [];
const messages = [];
async function open(viewport = { width: 1024, height: 768 }, beforeScript = null) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    if (beforeScript) {
        await page.evaluateOnNewDocument(beforeScript);
    }
    page.on('request', (request) => requests.push(request.url()));
    page.on('console', (message) => messages.push(message.text()));
    page.on('pageerror', (error) => messages.push(String(error)));
    await page.goto(pageUrl, { waitUntil: 'load' });
    await page.waitForSelector('#' + cases.window + ' #' + cases.defaultButton);
    return page;
}
const focused = (page) => page.evaluate(() => document.activeElement && document.activeElement.id);
const textOf = (page, id) => page.$eval('#' + id, (e) => (e.tagName === 'INPUT' ? e.value : e.textContent));
const boxOpen = (page) => page.$eval('#rc-box', (d) => d.open);
// The texts of the box on the screen, as screen readers are given them.
const box = (page) => page.$eval('#rc-box', (d) => ({
    role: d.getAttribute('role'),
    title: document.getElementById(d.getAttribute('aria-labelledby')).textContent,
    text: document.getElementById(d.getAttribute('aria-describedby')).textContent,
    icon: !document.getElementById('rc-box-icon').hidden,
    focused: document.activeElement && document.activeElement.textContent,
}));
const setText = (page, id, text) => page.$eval('#' + id, (e, t) => { e.value = t; }, text);
// The warning's lines as shown: a carriage return breaks the line.
const shownPrompt = (prompt) => prompt.replace(/\r\n?/g, '\n');

// --- At start: the texts, the caption, the focus, every place ---
{
    const page = await open();
    same(await page.title(), cases.caption, 'the page\'s title');
    for (const name of ['Text1', 'Text2', 'Text3', 'Label4']) {
        same(await textOf(page, name), cases.texts[name], `${name} at start`);
    }
    same(await focused(page), cases.focusOrder[0], 'the focus at start');
    const places = await page.evaluate((names) => {
        const client = document.getElementById('Form1').getBoundingClientRect();
        return names.map((name) => {
            const r = document.getElementById(name).getBoundingClientRect();
            return { name, left: r.left - client.left, top: r.top - client.top, width: r.width, height: r.height };
        });
    }, cases.places.map((p) => p.name));
    for (const [i, p] of cases.places.entries()) {
        same(JSON.stringify(places[i]), JSON.stringify(p), `the place of ${p.name}`);
    }
    // Every caption whole: nothing of a label's text is cut.
    const cut = await page.evaluate(() => [...document.querySelectorAll('label')].filter((l) => l.scrollWidth > l.clientWidth).map((l) => l.id));
    same(cut.join(','), '', 'captions cut');
    const tabIndexes = await page.evaluate(() => [...document.querySelectorAll('[tabindex]')].map((e) => e.id));
    same(tabIndexes.join(','), '', 'elements with a tab index of their own');
    // A browser without a canvas off the page measures on the page's own, to the same font.
    const fontOf = (p) => p.$eval('#' + cases.window, (e) => e.style.fontSize);
    const older = await open(undefined, () => { delete window.OffscreenCanvas; });
    same(await fontOf(older), await fontOf(page), 'the font measured on the page\'s own canvas');
    await older.close();
    await page.close();
}

// --- Tab and Shift+Tab go round the table's order ---
{
    const page = await open();
    const forward = [await focused(page)];
    for (let i = 1; i < cases.focusOrder.length; i++) {
        await page.keyboard.press('Tab');
        forward.push(await focused(page));
    }
    same(forward.join(','), cases.focusOrder.join(','), 'Tab\'s order');
    const back = [await focused(page)];
    for (let i = 1; i < cases.focusOrder.length; i++) {
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
        back.push(await focused(page));
    }
    same(back.join(','), [...cases.focusOrder].reverse().join(','), 'Shift+Tab\'s order');
    await page.close();
}

// --- The result: Space on the start focus, Enter in any box, Enter on the button; Escape does nothing ---
for (const [how, keys] of [['Space on the start focus', [null, 'Space']], ['Enter in Text3', ['Text3', 'Enter']],
                           ['Enter in Text1', ['Text1', 'Enter']], ['Enter on the button', [null, 'Enter']]]) {
    const page = await open();
    await page.keyboard.press('Escape');
    same(await textOf(page, 'Label4'), cases.texts.Label4, `Escape (${how})`);
    if (keys[0]) {
        await page.focus('#' + keys[0]);
    }
    await page.keyboard.press(keys[1]);
    same(await textOf(page, 'Label4'), cases.startLine, how);
    await page.close();
}

// --- The result line fits its line, wider or narrower, whole; in forced colours the system's colours ---
{
    const page = await open();
    const fit = () => page.$eval('#Label4', (e) => ({ width: e.getBoundingClientRect().width, whole: e.scrollWidth <= e.clientWidth }));
    await page.keyboard.press('Space');
    const long = await fit();
    await setText(page, 'Text3', '1');
    await page.click('#Command2');
    const other = await fit();
    check(long.whole && other.whole, 'the result line whole');
    check(long.width !== other.width, `the result line fitted to each line: ${long.width} and ${other.width}`);
    const client = await page.createCDPSession();
    await client.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
    const colours = await page.evaluate(() => ['Label1', 'Label4'].map((id) => getComputedStyle(document.getElementById(id)).color));
    check(!colours.includes('rgb(0, 0, 255)') && !colours.includes('rgb(255, 0, 0)'), `forced colours: ${colours}`);
    await page.close();
}

// --- Every key typed into the inner radius is checked; the warning as the other layers show it; typing goes
// on in the box after it closes, with Enter, Space or Escape in turn ---
{
    const page = await open();
    const closers = ['Enter', 'Space', 'Escape'];
    let warnings = 0;
    for (const k of cases.keystrokes) {
        await setText(page, 'Text1', k.outer);
        await setText(page, 'Text2', k.inner);
        await page.focus('#Text2');
        await page.$eval('#Text2', (e) => e.setSelectionRange(e.value.length, e.value.length));
        for (const [i, key] of [...k.typed].entries()) {
            await page.keyboard.press(key === '\b' ? 'Backspace' : key);
            const warned = await boxOpen(page);
            same(warned, k.warnsAt[i] === '1', `outer ${k.outer}, inner ${k.inner}, key ${i}: a warning`);
            if (warned) {
                const shown = await box(page);
                same(JSON.stringify(shown), JSON.stringify({ role: 'alertdialog', title: cases.warningTitle,
                    text: shownPrompt(cases.warningPrompt), icon: true, focused: 'OK' }), 'the warning');
                await page.keyboard.press(closers[warnings++ % closers.length]);
                same(await boxOpen(page), false, 'the warning closed');
                same(await focused(page), 'Text2', 'the focus back in the box');
            }
        }
        same(await textOf(page, 'Text1'), k.outer, 'the outer radius untouched');
    }
    await page.close();
}

// --- A warning asked for in the same moment as the last one is answered is shown then, not a task later ---
{
    const page = await open();
    await setText(page, 'Text1', '1');
    await page.focus('#Text2');
    await page.keyboard.press('5');
    same(await page.evaluate(() => {
        document.querySelector('#rc-box-buttons button').click();
        const inner = document.getElementById('Text2');
        inner.value += '5';
        inner.dispatchEvent(new Event('input'));
        return document.getElementById('rc-box').open;
    }), true, 'a warning just after the last one closed');
    await page.close();
}

// --- One check per change, whatever makes it: a paste, a cut, an undo, a drop ---
{
    const page = await open();
    await setText(page, 'Text1', '1');
    await page.focus('#Text2');
    await page.$eval('#Text2', (e) => e.select());
    const opens = async (what, act) => {
        await act();
        same(await boxOpen(page), true, `${what}: a warning`);
        await page.keyboard.press('Enter');
        same(await focused(page), 'Text2', `${what}: the focus back`);
    };
    await opens('a paste', () => page.evaluate(() => document.execCommand('insertText', false, '25')));
    await page.$eval('#Text2', (e) => e.setSelectionRange(1, 2));
    await opens('a cut', () => page.evaluate(() => document.execCommand('delete')));
    same(await textOf(page, 'Text2'), '2', 'after the cut');
    await opens('an undo', () => page.keyboard.down('Control').then(() => page.keyboard.press('KeyZ')).then(() => page.keyboard.up('Control')));
    same(await textOf(page, 'Text2'), '25', 'after the undo');
    // A text dragged from elsewhere and dropped in the box, as the browser's own input delivers it.
    const client = await page.createCDPSession();
    const place = await page.$eval('#Text2', (e) => { const r = e.getBoundingClientRect(); return { x: r.right - 4, y: r.top + r.height / 2 }; });
    const data = { items: [{ mimeType: 'text/plain', data: '7' }], dragOperationsMask: 1 };
    await opens('a drop', async () => {
        for (const type of ['dragEnter', 'dragOver', 'drop']) {
            await client.send('Input.dispatchDragEvent', { type, ...place, data });
        }
    });
    same(await textOf(page, 'Text2'), '257', 'after the drop');
    await page.close();
}

// --- An error names the box at fault, and loses nothing ---
{
    const page = await open();
    await setText(page, 'Text1', '1e309');
    await page.click('#Command2');
    const shown = await box(page);
    same(shown.title, cases.errorTitle, 'the error box\'s title');
    same(shown.text, cases.overflowText, 'the error');
    // The page behind the box is out of reach: a click on a box and a key go nowhere.
    await page.click('#Text3').catch(() => {});
    await page.keyboard.type('7');
    same(await textOf(page, 'Text3'), cases.texts.Text3, 'a key while the box is up');
    same(await boxOpen(page), true, 'the box after a click behind it');
    await page.keyboard.press('Enter');
    same(await textOf(page, 'Text1'), '1e309', 'the text at fault kept');
    same(await textOf(page, 'Label4'), cases.texts.Label4, 'the result line kept');
    await page.close();
}

// --- On a phone: the whole window without scrolling sideways, every text at least 12 pixels, a control a
// line in the order of focus with each caption under its box; the boxes ask for the number keyboard ---
{
    const page = await open({ width: 360, height: 740, isMobile: true, hasTouch: true });
    const laidOut = await page.evaluate(() => ({
        scroll: document.documentElement.scrollWidth,
        smallest: Math.min(...[...document.querySelectorAll('.rc-control')].map((e) => parseFloat(getComputedStyle(e).fontSize))),
        byTop: [...document.querySelectorAll('.rc-control')].sort((a, b) => a.getBoundingClientRect().top - b.getBoundingClientRect().top).map((e) => e.id),
        keyboards: [...document.querySelectorAll('input')].map((e) => e.inputMode),
    }));
    check(laidOut.scroll <= 360, `a phone scrolls sideways: ${laidOut.scroll} pixels wide`);
    check(laidOut.smallest >= 12, `a phone's smallest text: ${laidOut.smallest} pixels`);
    const captionAfter = (name) => laidOut.byTop.indexOf(name) + 1;
    for (const name of cases.focusOrder) {
        const label = Object.keys(cases.texts).find((id) => id.startsWith('Label') && laidOut.byTop[captionAfter(name)] === id);
        check(!name.startsWith('Text') || label, `a phone: ${name}'s caption under it (${laidOut.byTop.join(',')})`);
    }
    same(laidOut.byTop.filter((id) => cases.focusOrder.includes(id)).join(','), cases.focusOrder.join(','), 'a phone\'s order');
    same([...new Set(laidOut.keyboards)].join(','), 'decimal', 'the boxes\' keyboard');
    await page.tap('#' + cases.defaultButton);
    same(await textOf(page, 'Label4'), cases.startLine, 'a tap on the button');
    await page.close();
}

// --- axe-core finds nothing, best practices included, but the design's own colours (blue and red on grey),
// at start and with the warning up ---
{
    const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
    for (const [when, viewport] of [['the window', { width: 1024, height: 768 }], ['a phone', { width: 360, height: 740 }]]) {
        const page = await browser.newPage();
        await page.setBypassCSP(true); // axe's own script, for this check alone
        await page.setViewport(viewport);
        await page.goto(pageUrl, { waitUntil: 'load' });
        await page.addScriptTag({ path: axe });
        const run = () => page.evaluate(async () => {
            const result = await axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] });
            return result.violations.map((v) => ({ id: v.id, nodes: v.nodes.map((n) => n.target.join(' ')) }));
        });
        const designs = (v) => v.id === 'color-contrast' && v.nodes.every((n) => /^#Label\d$/.test(n));
        const found = (await run()).filter((v) => !designs(v));
        same(JSON.stringify(found), '[]', `axe on ${when}`);
        await setText(page, 'Text1', '1');
        await page.focus('#Text2');
        await page.keyboard.press('5');
        const withBox = (await run()).filter((v) => !designs(v));
        same(JSON.stringify(withBox), '[]', `axe on ${when} with the warning up`);
        await page.close();
    }
}

// --- Exit ends the program at once: the window leaves the page, which says so ---
{
    const page = await open();
    await page.click('#Command1');
    same(await page.$('#' + cases.window), null, 'the window after Exit');
    check(/завершена/.test(await page.$eval('#rc-ended', (e) => e.textContent)), 'the page says the program ended');
    await page.close();
}

// --- The site: the page served from 127.0.0.1 with its manifest and worker can be installed, and opens
// offline after one visit ---
{
    const site = join(dirname(pagePath), 'site');
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json', '.png': 'image/png' };
    const server = createServer((request, response) => {
        const name = request.url.split('?')[0].replace(/^\/$/, '/index.html');
        try {
            const body = readFileSync(join(site, name.replace(/\.\./g, '')));
            response.writeHead(200, { 'Content-Type': types[extname(name)] || 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', done));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const page = await browser.newPage();
    page.on('console', (message) => messages.push(message.text()));
    page.on('pageerror', (error) => messages.push(String(error)));
    await page.goto(url, { waitUntil: 'load' });
    await page.evaluate(() => navigator.serviceWorker.ready);
    const client = await page.createCDPSession();
    const { installabilityErrors } = await client.send('Page.getInstallabilityErrors');
    same(JSON.stringify(installabilityErrors), '[]', 'installability errors');
    const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
    same(manifest.name, 'Калькулятор кольца', 'the web app\'s name');
    await new Promise((done) => server.close(done));
    await page.setOfflineMode(true);
    await page.reload({ waitUntil: 'load' });
    await page.waitForSelector('#' + cases.window + ' #' + cases.defaultButton);
    await page.keyboard.press('Space');
    same(await textOf(page, 'Label4'), cases.startLine, 'offline, the result');
    await page.close();
}

await browser.close();
rmSync(profile, { recursive: true, force: true });

const foreign = requests.filter((url) => url !== pageUrl && !url.startsWith('data:'));
same(foreign.join(' '), '', 'requests beyond the page');
same(messages.join(' | '), '', 'console messages');

console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
