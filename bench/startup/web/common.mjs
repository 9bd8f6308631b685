// What the browser benchmarks share: the suite's puppeteer-core and chromium's options, the pages, the watch
// for a page's being interactive, and the median.
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export { chromiumOptions } from '../../../tests/web/chromium.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const repo = resolve(here, '../../..');

/// The puppeteer-core that the browser suite installs (no browser download: Debian's chromium drives it).
export async function loadPuppeteer() {
    const requireFromTests = createRequire(join(repo, 'tests/web/package.json'));
    return (await import(pathToFileURL(requireFromTests.resolve('puppeteer-core')).href)).default;
}

/// The wait after each tab closes (SETTLE_MS, 200 by default), so that no page is timed while the browser is
/// still tearing down the last one.
export const settleMs = Number(process.env.SETTLE_MS || 200);

/// The page, its floor and the bare page, from the build folder (argv[2], build/web by default).
export function startPages(build) {
    return {
        ringcalc: join(build, 'ringcalc.html'),
        floor: join(build, 'bench/startup/web/floor.html'),
        bare: join(here, 'bare.html'),
        ...(process.env.BEFORE ? { before: resolve(process.env.BEFORE) } : {}),
    };
}

/// Run in the page before its own script (evaluateOnNewDocument): once every control is there and the focus
/// is on the button, waits for a frame painted after that and sets window.rcInteractive, and marks the moment
/// "rc-interactive" for a trace.
export function watchInteractive() {
    const ready = () => document.getElementById('Label4') && document.activeElement &&
        document.activeElement.id === 'Command2';
    const watch = () => {
        if (!ready()) {
            requestAnimationFrame(watch);
            return;
        }
        requestAnimationFrame(() => setTimeout(() => {
            window.rcInteractive = performance.now();
            performance.mark('rc-interactive');
        }, 0));
    };
    new MutationObserver((_, observer) => {
        if (ready()) {
            observer.disconnect();
            watch();
        }
    }).observe(document, { childList: true, subtree: true, attributes: true });
    document.addEventListener('focusin', () => ready() && watch());
}

/// The middle value, or the mean of the two middle ones.
export function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const half = sorted.length >> 1;
    return sorted.length % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
}
