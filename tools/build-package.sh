#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, unpacks it into a
# scratch root with dpkg -x and checks it: the file list against
# tests/package/expected-files.txt, the links on the PATH, the control data
# (dependencies, the dialout note) and lintian (no errors, no warnings).
#   tools/build-package.sh [BUILD_DIR]   (default: build)
# Exit status 0 when the package is sound, 1 naming what is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
expected=tests/package/expected-files.txt
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "build-package: $build is not a configured build folder" >&2
    exit 1
fi
cmake --build "$build" -j2
rm -f "$build"/quillbox_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=\([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' "$build/CMakeCache.txt")
deb="$build/quillbox_${version}-1_amd64.deb"
[ -f "$deb" ] || { echo "build-package: $deb was not built" >&2; exit 1; }
echo "build-package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/fs"
failed=0
fail() { echo "build-package: $*" >&2; failed=1; }

# Every file, folder and link, as "path" or "path -> target".
(cd "$root/fs" && find . -mindepth 1 | LC_ALL=C sort | while IFS= read -r p; do
    if [ -L "$p" ]; then echo "${p#.} -> $(readlink "$p")"; else echo "${p#.}"; fi
done) > "$root/files.txt"
if ! diff -u "$expected" "$root/files.txt"; then
    fail "the package's files differ from $expected (- expected, + packaged)"
fi
for tool in "Quillbox Suite.exe" qbx qbx-sim; do
    [ -x "$root/fs/opt/quillbox/$tool" ] || fail "/opt/quillbox/$tool is not executable"
done

dpkg-deb -e "$deb" "$root/control"
# What the program loads at run time without linking it must be named too.
for package in libqt6widgets6 libqt6uitools6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "^Depends: .*\b$package\b" "$root/control/control" || fail "Depends lacks $package"
done
[ -x "$root/control/postrm" ] && grep -q 'purge' "$root/control/postrm" || fail "postrm does not clear /opt on purge"
grep -q '\.config/quillbox' "$root/fs/usr/share/doc/quillbox/README.Debian" ||
    fail "README.Debian does not say where a user's files are"
bash -n "$root/fs/usr/share/bash-completion/completions/qbx" || fail "the bash completion does not parse"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/fs/usr/share/applications/quillbox.desktop" || fail "the desktop entry is not valid"
else
    fail "desktop-file-validate is not installed (tools/install-deps.sh)"
fi
grep -q 'dialout' "$root/control/postinst" || fail "postinst does not mention the dialout group"
grep -q 'dialout' "$root/fs/usr/share/doc/quillbox/README.Debian" || fail "README.Debian does not mention dialout"

# lintian must be clean: an error or a warning (a man page groff cannot
# read, say) fails; informational tags are only shown.
if command -v lintian >/dev/null; then
    lintian --no-tag-display-limit "$deb" > "$root/lintian.txt" 2>&1 || true
    if grep -q '^[EW]: ' "$root/lintian.txt"; then
        cat "$root/lintian.txt" >&2
        fail "lintian reports errors or warnings"
    else
        grep '^I: ' "$root/lintian.txt" | sed 's/^/build-package: lintian /' || true
    fi
else
    fail "lintian is not installed (tools/install-deps.sh)"
fi
# The unpacked program as an ordinary user meets it: read-only, an empty home.
tests=$build/tests/package/qbx_installed_program_tests
if [ -x "$tests" ]; then
    chmod 0755 "$root" "$root/fs" "$root/fs/opt"
    chmod -R a-w "$root/fs/opt/quillbox"
    QBX_INSTALLED_FOLDER="$root/fs/opt/quillbox" "$tests" || fail "the unpacked program does not work for a user"
    chmod -R u+w "$root/fs/opt/quillbox"
else
    fail "$tests is not built"
fi
[ "$failed" -eq 0 ] && echo "build-package: package contents and lintian checks passed"
exit "$failed"
