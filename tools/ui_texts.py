#!/usr/bin/env python3
"""Keeps the dialog texts of the string tables in step with the templates.

  tools/ui_texts.py missing   lists template texts without a translation
                              in resources/strings_*.ts
Translations are written by hand into the context named after the
template's class (Dialog153 ...).
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "resources"


def template_texts():
    for ui in sorted((ROOT / "dialogs").glob("*.ui")):
        tree = ET.parse(ui)
        context = tree.getroot().findtext("class")
        for s in tree.iter("string"):
            if s.get("notr") == "true" or not (s.text or "").strip():
                continue
            yield context, s.text


def translations(ts):
    found = set()
    for ctx in ET.parse(ts).getroot().iter("context"):
        name = ctx.findtext("name") or ""
        for m in ctx.iter("message"):
            if (m.findtext("translation") or "").strip():
                found.add((name, m.findtext("source")))
    return found


def main():
    missing = 0
    for ts in sorted(ROOT.glob("strings_*.ts")):
        have = translations(ts)
        for context, text in template_texts():
            if (context, text) not in have:
                print(f"{ts.name}: {context}: {text!r}")
                missing += 1
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
