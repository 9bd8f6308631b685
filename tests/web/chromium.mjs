// How the browser suite and the benchmarks start Debian's chromium: headless, with nothing of its own going
// on in the background, and no browser of puppeteer's own.

/// Puppeteer's launch options for /usr/bin/chromium: a profile in userDataDir (a fresh one of puppeteer's when
/// it is undefined), and any more command-line switches.
export function chromiumOptions(userDataDir, moreArgs = []) {
    return {
        executablePath: '/usr/bin/chromium', headless: true, userDataDir,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', ...moreArgs],
    };
}
