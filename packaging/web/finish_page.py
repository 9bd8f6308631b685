#!/usr/bin/env python3
"""Finishes the page emscripten wrote: the program's icon inline as the tab's icon, and a security policy
that lets nothing in but the page's own script and style, by their hashes, and its WebAssembly.

Usage: finish_page.py PAGE ICON_PNG OUT
"""
import base64
import hashlib
import re
import sys


def digest(text: str) -> str:
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def main() -> None:
    page_path, icon_path, out_path = sys.argv[1:4]
    with open(page_path, encoding="utf-8") as f:
        page = f.read()
    with open(icon_path, "rb") as f:
        icon = base64.b64encode(f.read()).decode("ascii")
    scripts = re.findall(r"<script>(.*?)</script>", page, re.S)
    styles = re.findall(r"<style>(.*?)</style>", page, re.S)
    if not scripts or not styles:
        sys.exit("finish_page.py: no inline script or style in " + page_path)
    policy = ("default-src 'none'; script-src " + " ".join(map(digest, scripts)) + " 'wasm-unsafe-eval'; "
              "style-src " + " ".join(map(digest, styles)) + "; img-src data:; base-uri 'none'; form-action 'none'")
    head = ('<meta http-equiv="Content-Security-Policy" content="' + policy + '">\n'
            '<link rel="icon" type="image/png" href="data:image/png;base64,' + icon + '">\n')
    page = page.replace('<meta name="viewport"', head + '<meta name="viewport"', 1)
    with open(out_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
