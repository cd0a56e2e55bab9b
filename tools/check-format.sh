#!/usr/bin/env bash
# Every C++ file of the tree as the committed .clang-format lays it out.
# Names each file clang-format would change and exits 1; `--fix` formats
# them in place instead.
#   tools/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed (tools/install-deps.sh)" >&2; exit 1; }
# Templates (*.cpp.in) keep their @VARIABLE@ placeholders as they are.
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
# One run over all files; each difference is reported as FILE:LINE:COLUMN.
report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1 >/dev/null || true)
mapfile -t unformatted < <(grep -oE '^[^:]+\.(cpp|h|in):[0-9]+:[0-9]+: (error|warning)' <<<"$report" | cut -d: -f1 | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'check-format: %s\n' "${unformatted[@]}" >&2
    echo "check-format: ${#unformatted[@]} of ${#files[@]} files differ from .clang-format (tools/check-format.sh --fix)" >&2
    exit 1
fi
echo "check-format: all ${#files[@]} files as .clang-format lays them out"
