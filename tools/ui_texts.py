#!/usr/bin/env python3
"""Keeps the dialog texts of the string tables in step with the templates.

  tools/ui_texts.py [missing]       lists template texts without a translation
                                    in resources/strings_*.ts
  tools/ui_texts.py add FILE.py     adds the translations of FILE.py, a dict
                                    T = {(context, source): (german, italian)};
                                    English keeps the source text
Translations live in the context named after the template's class
(Dialog153 ...).
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


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def add(path):
    scope = {}
    exec(Path(path).read_text(encoding="utf-8"), scope)
    table = scope["T"]
    for ts in sorted(ROOT.glob("strings_*.ts")):
        column = {"strings_deu.ts": 0, "strings_ita.ts": 1}.get(ts.name)
        have = translations(ts)
        text = ts.read_text(encoding="utf-8")
        for (context, source), pair in table.items():
            if (context, source) in have:
                continue
            translation = source if column is None else pair[column]
            message = ("    <message>\n        <source>%s</source>\n        <translation>%s</translation>\n"
                       "    </message>\n" % (xml_escape(source), xml_escape(translation)))
            marker = "<name>%s</name>\n" % context
            at = text.find(marker)
            if at < 0:
                end = text.rindex("</TS>")
                text = text[:end] + "<context>\n    " + marker + message + "</context>\n" + text[end:]
            else:
                end = text.index("</context>", at)
                text = text[:end] + message + text[end:]
        ts.write_text(text, encoding="utf-8")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "add":
        add(sys.argv[2])
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
