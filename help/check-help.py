#!/usr/bin/env python3
"""Checks the staged user guide and the compiled help files.

  check-help.py --stage DIR --contents SOURCE_DIR [--chm FILE CHMCMD_LOG]...

Every local link and picture of every page resolves (file and #anchor, inside
its own language), both languages hold the same pages, each page says it is
UTF-8 and has a title, Greek pages are in Greek and quote in «…», not in ASCII
quotes (outside code), every page is in the contents
(index.html and the help file's contents.hhc), and each compiled help file is a
help file whose directory names every page and picture of its language, compiled
without a chmcmd error or warning.
"""
import argparse
import re
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

LANGUAGES = ("en", "el")
GREEK = re.compile("[\u0370-\u03ff]")


class Page(HTMLParser):
    def __init__(self, text):
        super().__init__()
        self.links, self.anchors, self.charset, self.title, self._in_title = [], set(), None, "", False
        self.quoted, self._in_code = [], 0
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        self.anchors.update(v for k, v in attrs if k in ("id", "name") and v)
        if tag == "a" and a.get("href"):
            self.links.append(a["href"])
        if tag in ("img", "link") and (a.get("src") or a.get("href")):
            self.links.append(a.get("src") or a["href"])
        if tag == "meta" and a.get("charset"):
            self.charset = a["charset"].lower()
        self._in_title = tag == "title"
        self._in_code += tag in ("pre", "code")

    def handle_endtag(self, tag):
        self._in_title = False
        self._in_code -= tag in ("pre", "code")

    def handle_data(self, data):
        if self._in_title:
            self.title += data.strip()
        if '"' in data and not self._in_code:
            self.quoted.append(" ".join(data[data.index('"') :].split())[:60])


def check_language(folder, lang, errors):
    pages = {}
    for path in sorted(folder.glob("*.html")):
        try:
            pages[path.name] = (Page(path.read_text(encoding="utf-8")), path.read_text(encoding="utf-8"))
        except UnicodeDecodeError as e:
            errors.append(f"{lang}/{path.name}: not UTF-8 ({e})")
    for name, (page, text) in pages.items():
        where = f"{lang}/{name}"
        if page.charset != "utf-8":
            errors.append(f'{where}: no <meta charset="utf-8">')
        if not page.title:
            errors.append(f"{where}: no title")
        if lang == "el" and not (GREEK.search(page.title) and len(GREEK.findall(text)) > 100):
            errors.append(f"{where}: not translated into Greek")
        if lang == "el" and page.quoted:
            errors.append(f"{where}: ASCII quotes, where Greek has «…»: {page.quoted[0]}")
        for link in page.links:
            parts = urlsplit(link)
            if parts.scheme or parts.netloc:
                continue
            target = (folder / (unquote(parts.path) if parts.path else name)).resolve()
            if folder.resolve() not in target.parents:
                errors.append(f"{where}: {link} leaves the {lang} folder")
            elif not target.is_file():
                errors.append(f"{where}: {link} does not exist")
            elif parts.fragment:
                anchors = pages[target.name][0].anchors if target.name in pages else set()
                if parts.fragment not in anchors:
                    errors.append(f"{where}: {link} names no anchor of {target.name}")
    return pages


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--stage", type=Path, required=True)
    parser.add_argument("--contents", type=Path, required=True)
    parser.add_argument("--chm", nargs=2, action="append", default=[], metavar=("FILE", "LOG"))
    args = parser.parse_args()
    errors = []

    found = {lang: check_language(args.stage / lang, lang, errors) for lang in LANGUAGES}
    if not found["en"]:
        errors.append(f"no pages in {args.stage / 'en'}")
    for lang in LANGUAGES[1:]:
        for name in sorted(set(found["en"]) ^ set(found[lang])):
            errors.append(f"{name} is in only one of en and {lang}")

    for lang, pages in found.items():
        index = pages.get("index.html")
        listed = {urlsplit(link).path for link in index[0].links} if index else set()
        hhc = (args.contents / lang / "contents.hhc").read_text(encoding="utf-8")
        in_hhc = {urlsplit(v).path for v in re.findall(r'name="Local"\s+value="([^"]*)"', hhc, re.I)}
        for name in sorted(set(pages) - {"index.html"} - listed):
            errors.append(f"{lang}/index.html does not list {name}")
        for name in sorted(set(pages) - in_hhc):
            errors.append(f"{lang}/contents.hhc does not list {name}")
        for name in sorted(in_hhc - set(pages)):
            errors.append(f"{lang}/contents.hhc lists {name}, which is no page")

    for (chm, log), lang in zip(args.chm, LANGUAGES):
        chm, log = Path(chm), Path(log)
        # The directory of a help file keeps its entries' names as plain text.
        wanted = [f"/{p.name}" for p in (args.stage / lang).glob("*.html")]
        wanted += [f"/images/{p.name}" for p in (args.stage / lang / "images").glob("*.png")]
        if not chm.is_file():
            errors.append(f"{chm.name} was not built")
        else:
            data = chm.read_bytes()
            if data[:4] != b"ITSF":
                errors.append(f"{chm.name} is no compiled help file")
            for name in sorted(n for n in wanted if n.encode() not in data):
                errors.append(f"{chm.name} lacks {name}")
        problems = [l for l in log.read_text(errors="replace").splitlines() if re.match(r"\s*(error|warning)", l, re.I)]
        errors.extend(f"chmcmd, {chm.name}: {p}" for p in problems)

    for e in errors:
        print("FAIL:", e)
    print(f"{sum(map(len, found.values()))} pages, {len(args.chm)} help files checked")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
