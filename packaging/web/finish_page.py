#!/usr/bin/env python3
"""Finishes the page emscripten wrote: the page in ASCII, the program's icon inline as the tab's icon, and a
security policy that lets nothing in but the page's own script and style, by their hashes, and its
WebAssembly. With --site, also the folder for a web server: the page as index.html with its web app
manifest and the worker that keeps it for offline use, which that page alone may load from its own server.

Usage: finish_page.py PAGE ICON_PNG OUT [--site DIR VERSION]   (DIR holds icon-192.png and icon-512.png)
"""
import base64
import hashlib
import os
import re
import sys


def digest(text: str) -> str:
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


# The site's page registers the worker; its script is let in by its hash like the program's.
REGISTER = "if ('serviceWorker' in navigator) { navigator.serviceWorker.register('sw.js'); }"


NON_ASCII = re.compile(r"[^\x00-\x7f]")


def script_escape(char: str) -> str:
    units = char.encode("utf-16-be")
    return "".join("\\u" + units[i:i + 2].hex() for i in range(0, len(units), 2))


def ascii_only(page: str) -> str:
    """The page in ASCII, its texts unchanged: other characters as escapes in its scripts and as character
    references in its markup. The browser reads a page that has none as single bytes rather than as UTF-16,
    which decodes it several times faster at every start."""
    def script(body: str) -> str:
        if re.search(r"\\" + NON_ASCII.pattern, body):
            sys.exit("finish_page.py: a backslash before a non-ASCII character in a script")
        return "<script>" + NON_ASCII.sub(lambda c: script_escape(c.group()), body) + "</script>"

    def markup(text: str) -> str:
        if any(NON_ASCII.search(style) for style in re.findall(r"<style>(.*?)</style>", text, re.S)):
            sys.exit("finish_page.py: a non-ASCII character in a style")
        return NON_ASCII.sub(lambda c: "&#%d;" % ord(c.group()), text)

    parts = re.split(r"<script>(.*?)</script>", page, flags=re.S)
    return "".join(script(part) if i % 2 else markup(part) for i, part in enumerate(parts))


def finished(page: str, icon: str, site: bool) -> str:
    page = ascii_only(page)
    if site:
        page = page.replace("</body>", "<script>" + REGISTER + "</script>\n</body>", 1)
    scripts = re.findall(r"<script>(.*?)</script>", page, re.S)
    styles = re.findall(r"<style>(.*?)</style>", page, re.S)
    if not scripts or not styles:
        sys.exit("finish_page.py: no inline script or style in the page")
    own = "manifest-src 'self'; worker-src 'self'; " if site else ""
    images = "img-src 'self' data:; " if site else "img-src data:; "
    policy = ("default-src 'none'; script-src " + " ".join(map(digest, scripts)) + " 'wasm-unsafe-eval'; "
              "style-src " + " ".join(map(digest, styles)) + "; " + images + own +
              "base-uri 'none'; form-action 'none'")
    head = ('<meta http-equiv="Content-Security-Policy" content="' + policy + '">\n'
            '<link rel="icon" type="image/png" href="data:image/png;base64,' + icon + '">\n')
    if site:
        head += '<link rel="manifest" href="manifest.webmanifest">\n'
    return page.replace('<meta name="viewport"', head + '<meta name="viewport"', 1)


def write(path: str, text: str) -> None:
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main() -> None:
    page_path, icon_path, out_path = sys.argv[1:4]
    with open(page_path, encoding="utf-8") as f:
        page = f.read()
    with open(icon_path, "rb") as f:
        icon = base64.b64encode(f.read()).decode("ascii")
    write(out_path, finished(page, icon, False))
    if len(sys.argv) == 7 and sys.argv[4] == "--site":
        site, version = sys.argv[5:7]
        here = os.path.dirname(os.path.abspath(__file__))
        write(os.path.join(site, "index.html"), finished(page, icon, True))
        with open(os.path.join(here, "manifest.webmanifest"), encoding="utf-8") as f:
            write(os.path.join(site, "manifest.webmanifest"), f.read())
        with open(os.path.join(here, "sw.js"), encoding="utf-8") as f:
            write(os.path.join(site, "sw.js"), f.read().replace("@VERSION@", version))


if __name__ == "__main__":
    main()
