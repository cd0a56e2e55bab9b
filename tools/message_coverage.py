#!/usr/bin/env python3
"""Which message numbers has the test suite shown?

Reads the record that the hosts append to while QUILLBOX_MESSAGE_RECORD names
a file ("G.NNN" per shown message) and the list of every number in
tools/message_numbers.txt, and prints per group the numbers that no test
showed, the numbers no test can reach (with their reasons), and the share.

    QUILLBOX_MESSAGE_RECORD=$PWD/build/messages-shown.txt ctest --test-dir build
    python3 tools/message_coverage.py build/messages-shown.txt [--min PERCENT]

Exit status 1 when the share of the message tables is below --min, when
--require-reachable is given and a number not marked unreachable was shown
by no test, or when the record holds a number the list does not know (a
message added without its entry); 2 when a file cannot be read.
"""
import argparse
import os
import re
import sys
from collections import defaultdict

NUMBER = re.compile(r"^(\d+)\.(\d{3})$")


def parse_number(text):
    match = NUMBER.match(text)
    return (int(match.group(1)), int(match.group(2))) if match else None


def read_catalogue(path):
    """{(group, number): (kind, reason)}, kind '' (tables), '+' (added) or '-' (unreachable)."""
    entries, names = {}, {}
    with open(path, encoding="utf-8") as lines:
        for line_number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            heading = re.match(r"^# (\d+): (.+)$", line)
            if heading:
                names[int(heading.group(1))] = heading.group(2)
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split(None, 2)
            number = parse_number(fields[0])
            kind = fields[1] if len(fields) > 1 else ""
            if number is None or kind not in ("", "+", "-") or (kind == "-") != (len(fields) == 3):
                raise ValueError(f"{path}:{line_number}: not 'G.NNN', 'G.NNN +' or 'G.NNN - reason'")
            if number in entries:
                raise ValueError(f"{path}:{line_number}: {fields[0]} twice")
            entries[number] = (kind, fields[2] if len(fields) == 3 else "")
    return entries, names


def read_record(path):
    shown, malformed = set(), 0
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            number = parse_number(line.strip())
            if number is None:
                malformed += 1
            else:
                shown.add(number)
    return shown, malformed


def label(number):
    return f"{number[0]}.{number[1]:03d}"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("record")
    parser.add_argument("--catalogue", default=os.path.join(here, "message_numbers.txt"))
    parser.add_argument("--min", type=float, default=0.0, help="fail below this share of the tables (percent)")
    parser.add_argument("--require-reachable", action="store_true",
                        help="fail when a number not marked unreachable was shown by no test")
    args = parser.parse_args()
    try:
        entries, names = read_catalogue(args.catalogue)
        shown, malformed = read_record(args.record)
    except (OSError, ValueError) as error:
        print(f"message_coverage: {error}", file=sys.stderr)
        return 2

    groups = defaultdict(list)
    for number in sorted(entries):
        groups[number[0]].append(number)
    print("message numbers shown by the tests, per group (missing: shown by none):")
    for group, numbers in sorted(groups.items()):
        tables = [n for n in numbers if entries[n][0] != "+"]
        missing = [label(n) for n in numbers if n not in shown and entries[n][0] != "-"]
        seen = sum(1 for n in tables if n in shown)
        line = f"  {group:2d} {names.get(group, ''):36s} {seen:3d} of {len(tables):3d}"
        added = [n for n in numbers if entries[n][0] == "+"]
        if added:
            line += f"  (+{sum(1 for n in added if n in shown)} of {len(added)} added)"
        print(line)
        if missing:
            print("       missing: " + " ".join(missing))

    unreachable = sorted(n for n in entries if entries[n][0] == "-")
    if unreachable:
        print("no test can reach:")
        for number in unreachable:
            note = " (shown all the same)" if number in shown else ""
            print(f"  {label(number)}  {entries[number][1]}{note}")

    unknown = sorted(n for n in shown if n not in entries)
    if unknown:
        print("shown but not in " + os.path.basename(args.catalogue) + ": " + " ".join(label(n) for n in unknown))
    if malformed:
        print(f"{malformed} malformed lines in the record")

    tables = [n for n in entries if entries[n][0] != "+"]
    seen = sum(1 for n in tables if n in shown)
    share = 100.0 * seen / len(tables) if tables else 100.0
    reachable = [n for n in tables if entries[n][0] != "-"]
    reachable_seen = sum(1 for n in reachable if n in shown)
    print(f"message coverage: {seen} of {len(tables)} numbers of the message tables shown ({share:.1f} %); "
          f"{reachable_seen} of {len(reachable)} reachable ones; {len(unreachable)} unreachable")
    if unknown or share < args.min:
        return 1
    if args.require_reachable and any(n not in shown for n in entries if entries[n][0] != "-"):
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
