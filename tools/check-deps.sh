#!/usr/bin/env bash
# Proves that tools/install-deps.sh is complete: every file a configured build
# takes from the system must belong to a Debian package that install-deps.sh
# names or that those pull in without recommends. A package that merely
# happens to be installed on this machine does not count, so a gap fails here
# and not first on a fresh machine.
#
# What is checked:
#   - every CMake file the configure step read from outside the source and
#     build trees (Qt's and GTest's package configs, CMake's own modules),
#     through CMake's file API;
#   - every file or folder path the cache holds (compiler, libraries,
#     headers) and every system path the generated build files use (tools
#     such as lrelease and rcc, include folders, libraries);
#   - the shared libraries of the program folder's binaries;
#   - what the program and its tests read at run time: Qt's own translations,
#     the offscreen and xcb platform plugins, the default font, python3.
#
# Usage: tools/check-deps.sh [BUILD_DIR]   (default: build, already configured)
# Exit status 0 when complete, 1 naming what is missing, 2 on a usage error.
set -euo pipefail
build=$(realpath -m "${1:-build}")
cd "$(dirname "$0")/.."
if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "check-deps: $build is not a configured build folder" >&2
    exit 2
fi
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The packages that a fresh machine gets.
mapfile -t named < <(bash tools/install-deps.sh --list)
# Files that the configure step reads only when they happen to be there:
# GTest's package config includes GMock's targets OPTIONAL, and the tests do
# not use GMock.
optional=(libgmock-dev)
apt_options=(--recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces --no-enhances)
if ! apt-cache depends "${apt_options[@]}" "${named[@]}" >"$work/depends" 2>"$work/depends.err"; then
    echo "check-deps: apt-cache does not know every package of install-deps.sh:" >&2
    cat "$work/depends.err" >&2
    exit 1
fi
# Top-level lines are the packages reached; "<name>" marks a virtual one.
{
    grep -v '^ ' "$work/depends" | sed 's/:.*//'
    printf '%s\n' "${optional[@]}"
} | sort -u >"$work/allowed"

# Configure once more with a file-API query to learn which CMake files it reads.
query=$build/.cmake/api/v1/query
mkdir -p "$query"
touch "$query/cmakeFiles-v1"
if ! cmake "$build" >"$work/configure.log" 2>&1; then
    echo "check-deps: configure failed:" >&2
    cat "$work/configure.log" >&2
    exit 1
fi
reply=$(ls -t "$build"/.cmake/api/v1/reply/cmakeFiles-v1-*.json | head -n 1)

{
    sed -n 's/^[[:space:]]*"path" : "\(\/[^"]*\)",\?$/\1/p' "$reply"
    # Package folders that find_package used, and CMake's tools. Other cached
    # paths may be optional finds that the build does not use.
    sed -n -e 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/.*\)$/\1/p' \
        -e 's/^CMAKE_[A-Z_]*:FILEPATH=\(\/.*\)$/\1/p' "$build/CMakeCache.txt"
    find "$build" \( -name build.ninja -o -name rules.ninja -o -name flags.make -o -name link.txt \
        -o -name build.make \) -type f -exec grep -ohE '/usr/[A-Za-z0-9._+@/-]+' {} +
    for binary in "$build"/program/*; do
        [ -f "$binary" ] && [ -x "$binary" ] || continue
        ldd "$binary" 2>/dev/null | sed -n 's/.*=> \(\/[^ ]*\) .*/\1/p'
    done
    translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || echo /usr/share/qt6/translations)
    plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
    echo "$translations/qtbase_de.qm"
    echo "$translations/qtbase_it.qm"
    echo "$plugins/platforms/libqoffscreen.so"
    echo "$plugins/platforms/libqxcb.so"
    fc-match -f '%{file}\n' sans-serif 2>/dev/null || true
    echo /usr/bin/python3 # tools/run-main-job.sh makes its sample files with it
    # The web page tests send a Debian HTML manual and a GIF made by ImageMagick.
    echo /usr/share/doc/bzip2/manual.html
    realpath -m /usr/bin/convert
} | grep '^/' | grep -v -e "^$build/" -e "^$source_dir/" | sort -u >"$work/candidates"

# A symbolic link and its target may come from different packages (the -dev
# package's libfoo.so and the library's libfoo.so.6): both count.
while IFS= read -r path; do
    if [ -e "$path" ]; then
        echo "$path"
        realpath "$path"
    else
        echo "missing $path"
    fi
done <"$work/candidates" | sort -u >"$work/paths"

# owners PATH...: "packages: /path" per owned path (dpkg-query -S lines).
owners() {
    printf '%s\n' "$@" | xargs -d '\n' -r dpkg-query -S 2>/dev/null | grep -v '^diversion' || true
}
mapfile -t existing < <(grep -v '^missing ' "$work/paths" || true)
owners "${existing[@]}" >"$work/owners"
# With merged /usr, dpkg knows a library or program under the name its
# package used, with or without the /usr prefix.
declare -A original=()
alternates=()
while IFS= read -r path; do
    case $path in
        /usr/lib/* | /usr/lib64/* | /usr/bin/* | /usr/sbin/*) alternate=${path#/usr} ;;
        /lib/* | /lib64/* | /bin/* | /sbin/*) alternate=/usr$path ;;
        *) continue ;;
    esac
    original[$alternate]=$path
    alternates+=("$alternate")
done < <(sed 's#^[^/]*: /#/#' "$work/owners" | sort -u | comm -13 - <(printf '%s\n' "${existing[@]}" | sort -u))
while IFS= read -r line; do
    path=/${line#*: /}
    echo "${line%%: /*}: ${original[$path]:-$path}"
done < <(owners "${alternates[@]}") >>"$work/owners"

failed=0
declare -A reported=()
while IFS= read -r line; do
    path=/${line#*: /}
    packages=${line%%: /*}
    ok=0
    for package in ${packages//,/ }; do
        grep -qxF "${package%%:*}" "$work/allowed" && ok=1 && break
    done
    if [ $ok -eq 0 ] && [ -z "${reported[$packages]:-}" ]; then
        reported[$packages]=1
        echo "check-deps: $packages (for $path) is not installed by tools/install-deps.sh" >&2
        failed=1
    fi
done < <(sort -u "$work/owners")

# Whatever no package owns was put there by hand and is missing on a fresh machine.
sed 's#^[^/]*: /#/#' "$work/owners" | sort -u >"$work/owned"
while IFS= read -r path; do
    if [ "${path#missing }" != "$path" ]; then
        echo "check-deps: ${path#missing } is needed but does not exist" >&2
    else
        grep -qxF "$path" "$work/owned" && continue
        # A link that no package owns (update-alternatives) counts by its target.
        [ -L "$path" ] && grep -qxF "$(realpath "$path")" "$work/owned" && continue
        [ -d "$path" ] && continue # folders such as /usr/include belong to many or none
        echo "check-deps: $path belongs to no Debian package" >&2
    fi
    failed=1
done <"$work/paths"

if [ $failed -ne 0 ]; then
    echo "check-deps: add the packages named above to tools/install-deps.sh" >&2
    exit 1
fi
echo "check-deps: $(wc -l <"$work/paths") system files, all from packages that tools/install-deps.sh installs"
