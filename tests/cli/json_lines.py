#!/usr/bin/env python3
"""Checks the standard output of `qbx --json` with Python's own JSON parser.

Usage: json_lines.py STDOUT_FILE [STDERR_FILE]

Every line must be one JSON object with a string "event"; the "result"
event comes once and last, with ok, exit and command of the right types.
Each "message" event must match a "Quillbox-Message G.NNN: text" line on
standard error, in the same order. On success prints each event as
`event key=value ...` (values as JSON, keys in their order) and exits 0;
otherwise prints "FAIL: why" and exits 1.
"""
import json
import re
import sys


def fail(why):
    print("FAIL: " + why)
    sys.exit(1)


def check_types(obj, n):
    kind = obj["event"]
    types = {
        "progress": {"done": int, "total": int},
        "message": {"id": str, "text": str},
        "question": {"id": str, "text": str, "answer": bool, "answeredBy": str},
        "note": {"text": str},
        "device": {"family": int, "rawType": int, "version": int},
        "slot": {"slot": int, "state": str},
        "result": {"ok": bool, "exit": int, "command": str},
    }.get(kind, {})
    for key, wanted in types.items():
        value = obj.get(key)
        # bool is an int to Python; keep the two apart
        if not isinstance(value, wanted) or (wanted is int and isinstance(value, bool)):
            fail(f"line {n}: {kind}.{key} is {value!r}, expected {wanted.__name__}")
    if kind in ("message", "question") and not re.fullmatch(r"\d+\.\d{3}", obj["id"]):
        fail(f"line {n}: id {obj['id']!r} is not G.NNN")
    if kind == "progress" and not 0 <= obj["done"] <= obj["total"]:
        fail(f"line {n}: progress {obj['done']} of {obj['total']}")
    if kind == "result" and obj["ok"] != (obj["exit"] == 0):
        fail(f"line {n}: ok {obj['ok']} with exit {obj['exit']}")


def main():
    with open(sys.argv[1], encoding="utf-8") as f:  # invalid UTF-8 fails here
        raw = f.read()
    if raw and not raw.endswith("\n"):
        fail("the last line has no line end")
    events = []
    for n, line in enumerate(raw.splitlines(), 1):
        try:
            obj = json.loads(line)
        except ValueError as e:
            fail(f"line {n} is no JSON: {e}: {line!r}")
        if not isinstance(obj, dict) or not isinstance(obj.get("event"), str):
            fail(f"line {n} is no object with an event: {line!r}")
        check_types(obj, n)
        events.append(obj)
    results = [i for i, e in enumerate(events) if e["event"] == "result"]
    if results != [len(events) - 1]:
        fail(f"result events at {results} of {len(events)} lines")
    if len(sys.argv) > 2:
        with open(sys.argv[2], encoding="utf-8", errors="replace") as f:
            lines = re.findall(r"^Quillbox-Message (\d+\.\d{3}): (.*)$", f.read(), re.M)
        for kind, ask in (("message", False), ("question", True)):
            shown = [(i, re.sub(r" \[y/N\].*$", "", t)) for i, t in lines if (" [y/N] " in t) == ask]
            told = [(e["id"], e["text"]) for e in events if e["event"] == kind]
            if told != shown:
                fail(f"{kind} events {told} but standard error shows {shown}")
    for e in events:
        print(" ".join([e["event"]] + [f"{k}={json.dumps(v, ensure_ascii=False)}" for k, v in e.items() if k != "event"]))


main()
