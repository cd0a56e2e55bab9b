#!/usr/bin/env python3
"""tools/check-layers.py against small trees of its own."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "check-layers.py")


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(root, name), "w", encoding="utf-8") as out:
                out.write(text)
        done = subprocess.run([sys.executable, TOOL, root], capture_output=True, text=True, check=False)
        return done.returncode, done.stdout


class CheckLayers(unittest.TestCase):
    def test_includes_that_point_down_pass(self):
        code, out = run({"operations/a.cpp": '#include "link/b.h"\n#include "core/c.h"\n#include <vector>\n',
                         "gui/x/d.cpp": '#include "ui/e.h"\n#include <QDialog>\n',
                         "tests/t.cpp": '#include "gui/d.h"\n'})
        self.assertEqual(code, 0, out)

    def test_an_upward_include_is_named_with_file_and_line(self):
        code, out = run({"operations/a.cpp": '// first\n#include "ui/dialog.h"\n',
                         "link/b.h": '#pragma once\n#include "formats/slot_list.h"\n'})
        self.assertEqual(code, 1)
        self.assertIn("operations/a.cpp:2: operations/ may not include ui/dialog.h", out)
        self.assertIn("link/b.h:2: link/ may not include formats/slot_list.h", out)

    def test_qt_in_a_toolkit_free_floor_and_an_unknown_folder(self):
        code, out = run({"core/a.h": '#include <QString>\n', "extra/b.cpp": "int b;\n"})
        self.assertEqual(code, 1)
        self.assertIn("core/a.h:1: core/ is free of Qt", out)
        self.assertIn("extra/: a folder the layer table does not know", out)


if __name__ == "__main__":
    unittest.main()
