#!/usr/bin/env python3
"""The layer check: every include of the program's own code must point at its
own floor or one below, as the Layout table of docs/DEVELOPING.md says; the toolkit-free
floors include no Qt header. Prints each include that runs against the table
as FILE:LINE and exits 1; exits 0 when there is none.

  python3 tools/check-layers.py [ROOT]
"""
import os
import re
import sys

# Folder -> the folders its files may include (itself included).
ALLOWED = {
    'platform': {'platform'},
    'core': {'core', 'platform'},
    'language': {'language', 'core', 'platform'},
    'link': {'link', 'core', 'platform'},
    'formats': {'formats', 'core', 'platform'},
    'operations': {'operations', 'link', 'formats', 'core', 'platform'},
    'resources': {'resources'},
    'ui': {'ui', 'operations', 'link', 'formats', 'language', 'core', 'platform'},
    'gui': {'gui', 'ui', 'operations', 'link', 'formats', 'language', 'core', 'platform', 'resources'},
    'cli': {'cli', 'operations', 'link', 'formats', 'language', 'core', 'platform'},
    'sim': {'sim', 'platform'},
}
# Folders that hold no code of the program, or code of their own kind.
OTHERS = {'tests', 'bench', 'tools', 'packaging', 'cmake', 'docs'}
# Qt only in the framework, the front ends and the language lookup (QtCore).
QT_FREE = {'platform', 'core', 'link', 'formats', 'operations', 'sim'}
QT_CORE_ONLY = {'language', 'cli'}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# Where Qt's QtCore headers lie on Debian; without them the QtCore-only rule is not checked.
QT_CORE = next((d for d in ('/usr/include/x86_64-linux-gnu/qt6/QtCore', '/usr/include/qt6/QtCore')
                if os.path.isdir(d)), None)


def is_qt_core(header):
    name = header[len('QtCore/'):] if header.startswith('QtCore/') else header
    return QT_CORE is None or ('/' not in name and os.path.exists(os.path.join(QT_CORE, name)))


def check(root):
    problems = []
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top.startswith('.') or top.startswith('build') or not os.path.isdir(path):
            continue
        if top not in ALLOWED and top not in OTHERS:
            problems.append(f'{top}/: a folder the layer table does not know; give it a floor')
            continue
        if top not in ALLOWED:
            continue
        for folder, _, names in os.walk(path):
            for name in sorted(names):
                if not name.endswith(('.cpp', '.h')):
                    continue
                file = os.path.join(folder, name)
                shown = os.path.relpath(file, root)
                with open(file, encoding='utf-8', errors='replace') as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        kind, target = match.groups()
                        if kind == '"':
                            floor = target.split('/', 1)[0] if '/' in target else top
                            if floor in ALLOWED and floor not in ALLOWED[top]:
                                problems.append(f'{shown}:{number}: {top}/ may not include {target}')
                        elif target.startswith('Q') and top in QT_FREE:
                            problems.append(f'{shown}:{number}: {top}/ is free of Qt, but includes <{target}>')
                        elif target.startswith('Q') and top in QT_CORE_ONLY and not is_qt_core(target):
                            problems.append(f'{shown}:{number}: {top}/ uses QtCore only, but includes <{target}>')
    return problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f'check-layers: {len(problems)} include(s) against the layer table')
        return 1
    print('check-layers: every include points at its own floor or one below')
    return 0


if __name__ == '__main__':
    sys.exit(main())
