#!/usr/bin/env python3
"""tools/message_coverage.py against small lists and records of its own."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "message_coverage.py")

CATALOGUE = """# 1: download transfer
1.001
1.002
1.003 - no path shows it
1.004 +
"""


def run(catalogue, record, *options):
    with tempfile.TemporaryDirectory() as folder:
        catalogue_path = os.path.join(folder, "numbers.txt")
        record_path = os.path.join(folder, "record.txt")
        with open(catalogue_path, "w", encoding="utf-8") as out:
            out.write(catalogue)
        with open(record_path, "w", encoding="utf-8") as out:
            out.write(record)
        done = subprocess.run([sys.executable, TOOL, record_path, "--catalogue", catalogue_path, *options],
                              capture_output=True, text=True, check=False)
        return done.returncode, done.stdout + done.stderr


class MessageCoverage(unittest.TestCase):
    def test_exit_status_and_report(self):
        cases = [
            # record, options, status, texts the report must hold
            ("1.001\n1.002\n1.001\n1.004\n", ["--require-reachable"], 0,
             ["2 of 3", "(66.7 %)", "2 of 2 reachable", "1.003  no path shows it", "(+1 of 1 added)"]),
            ("1.001\n", [], 0, ["missing: 1.002 1.004"]),
            ("1.001\n", ["--require-reachable"], 1, ["missing: 1.002 1.004", "1 of 2 reachable"]),
            # an added number counts apart, not in the tables' share
            ("1.001\n1.002\n", ["--require-reachable"], 1, ["missing: 1.004"]),
            ("1.001\n1.002\n1.003\n1.004\n", ["--min", "100"], 0, ["(shown all the same)", "(100.0 %)"]),
            ("1.001\n", ["--min", "34"], 1, ["(33.3 %)"]),
            # a number shown that the list does not know
            ("1.001\n1.002\n1.004\n7.001\n", [], 1, ["not in numbers.txt: 7.001"]),
            ("1.001\nrubbish\n\n", [], 0, ["2 malformed lines"]),
        ]
        for record, options, status, texts in cases:
            with self.subTest(record=record, options=options):
                code, report = run(CATALOGUE, record, *options)
                self.assertEqual(code, status, report)
                for text in texts:
                    self.assertIn(text, report)

    def test_a_malformed_list_is_refused(self):
        for catalogue in ["1.01\n", "1.001 ?\n", "1.001 -\n", "1.001 + why\n", "1.001\n1.001\n", "x\n"]:
            with self.subTest(catalogue=catalogue):
                code, report = run(catalogue, "1.001\n")
                self.assertEqual(code, 2, report)

    def test_the_program_list_reads_and_keeps_a_reason_for_every_unreachable_number(self):
        code, report = run(open(os.path.join(os.path.dirname(TOOL), "message_numbers.txt")).read(), "")
        self.assertEqual(code, 0, report)
        self.assertIn("of 513 numbers of the message tables", report)


if __name__ == "__main__":
    unittest.main()
