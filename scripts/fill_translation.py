#!/usr/bin/env python3
"""Fills a Qt .ts file's entries from a Python table {source: translation}: the table's
translation replaces the file's; entries the table lacks are left as they are.

Usage: fill_translation.py TS_FILE TABLE.py   (TABLE.py defines a dict T)
Prints the sources still without a translation."""
import html
import re
import runpy
import sys

ts_path, table_path = sys.argv[1], sys.argv[2]
table = runpy.run_path(table_path)["T"]
text = open(ts_path, encoding="utf-8").read()


def unescape(raw):
    raw = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), raw)
    return html.unescape(raw)


def escape(plain):
    out = plain.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")
    return out.replace("'", "&apos;").replace("\r", '<byte value="xd"/>')


missing = []


def fill(match):
    block = match.group(0)
    source = unescape(re.search(r"<source>(.*?)</source>", block, re.S).group(1))
    if source not in table:
        if 'type="unfinished"' in block:
            missing.append(source)
        return block
    return re.sub(r'<translation( type="unfinished")?>.*?</translation>',
                  lambda _: "<translation>" + escape(table[source]) + "</translation>", block, flags=re.S)


text = re.sub(r"<message>.*?</message>", fill, text, flags=re.S)
open(ts_path, "w", encoding="utf-8").write(text)
for m in missing:
    print("untranslated:", repr(m))
