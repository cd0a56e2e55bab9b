#!/usr/bin/env bash
# Installs what is missing, builds, and runs Quillbox against the bundled
# simulator: a LINKBOX on loopback TCP (the interface of the program folder's
# qbx_man.ini) and a serial bootloader on a pseudo-terminal as COM1. With a
# display the GUI opens; without one, qbx shows the same through the console.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

program=$root/build/program
demo=$root/build/demo
mkdir -p "$demo/serial"
sims=()
cleanup() { for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT

# start_sim NAME ARGS...: starts a simulator, waits for its ready line.
start_sim() {
    local name=$1; shift
    local state=$demo/$name.state seeds=()
    [ -f "$state" ] || seeds=(--slot "1=Kessel Nord:1024" --slot "3=Halle Süd 21°C:2048" --boot-data "Zentrale:0x400")
    "$program/qbx-sim" "$@" --state "$state" "${seeds[@]}" >"$demo/$name.out" 2>"$demo/$name.err" &
    sims+=($!)
    for _ in $(seq 100); do
        grep -q "ready" "$demo/$name.out" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "qbx-sim $name did not start:" >&2; cat "$demo/$name.err" >&2; exit 1
}

start_sim linkbox --tcp 0 --kind A3
start_sim serial --pty --link "$demo/com1" --kind A2
port=$(sed -n 's/.*ready tcp 127.0.0.1:\([0-9]*\).*/\1/p' "$demo/linkbox.out")
export QUILLBOX_COM1=$demo/com1

# The program folder talks to the LINKBOX; the language stays as chosen.
language=1
[ -f "$program/qbx_man.ini" ] && language=$(sed -n 2p "$program/qbx_man.ini")
printf '6\n%s\n127.0.0.1\n%s\n' "${language:-1}" "$port" >"$program/qbx_man.ini"
printf '0\n%s\n' "${language:-1}" >"$demo/serial/qbx_man.ini"
# Two function-data files to upload, in the default upload folder.
samples=$program/Funktionsdaten
mkdir -p "$samples"
[ -f "$samples/Beispiel QRT5130.dat" ] || python3 tools/sample_function_data.py "$samples/Beispiel QRT5130.dat" 2
[ -f "$samples/Beispiel BUS_GATE.dat" ] || python3 tools/sample_function_data.py "$samples/Beispiel BUS_GATE.dat" 3
echo "LINKBOX simulator on 127.0.0.1:$port, serial bootloader simulator as COM1 ($QUILLBOX_COM1)"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$program/Quillbox Suite.exe"
else
    echo "No display: the same through qbx."
    for folder in "$program" "$demo/serial"; do
        echo "== qbx --folder $folder identify"; "$program/qbx" --folder "$folder" identify
        echo "== qbx --folder $folder upload 2=\"$samples/Beispiel QRT5130.dat\""
        "$program/qbx" --folder "$folder" upload 2="$samples/Beispiel QRT5130.dat"
        echo "== qbx --folder $folder slots"; "$program/qbx" --folder "$folder" slots
        echo "== qbx --folder $folder --yes download 2=$demo/slot2.dat"
        "$program/qbx" --folder "$folder" --yes download 2="$demo/slot2.dat"
        cmp "$samples/Beispiel QRT5130.dat" "$demo/slot2.dat" && echo "downloaded file is identical to the uploaded one"
        echo "== qbx --folder $folder config"; "$program/qbx" --folder "$folder" config
    done
    echo "== qbx --yes bootdata read $demo/linkbox-backup.dat"  # the LINKBOX's own data image
    "$program/qbx" --yes bootdata read "$demo/linkbox-backup.dat"
    # The LINKBOX's network settings, with the dialog's clamps (300 -> 255, 70000 -> 65535).
    echo "== qbx --folder $program config set byte=300 word1=70000"
    "$program/qbx" --folder "$program" config set byte=300 word1=70000 && "$program/qbx" --folder "$program" config
    # An OS update into the controller behind the serial bootloader, checked
    # against the image the simulated device received.
    os=$program/Betriebssystem_QRT5130
    mkdir -p "$os"
    python3 -c 'import sys; sys.stdout.buffer.write(bytes((i * 7 + i // 251) & 255 for i in range(0x20000)))' >"$demo/os.bin"
    objcopy -I binary -O ihex "$demo/os.bin" "$demo/os.hex"
    { printf 'BRAVOLT_BUSVIEW_PROGRAM_FILE 20000\r\n'; cat "$demo/os.hex"; } >"$os/Beispiel BUS_VIEWER.prg"
    echo "== qbx --folder $demo/serial os-update \"$os/Beispiel BUS_VIEWER.prg\""
    "$program/qbx" --folder "$demo/serial" os-update "$os/Beispiel BUS_VIEWER.prg"
    for _ in $(seq 50); do grep -q "^image-data 1F 1FFE0 " "$demo/serial.state" && break; sleep 0.1; done
    python3 - "$demo/serial.state" "$demo/os.bin" <<'EOF'
import sys
got = bytearray()
for line in open(sys.argv[1]):
    words = line.split()
    if words[:2] == ["image-data", "1F"]:
        got[int(words[2], 16):] = bytes.fromhex(words[3])
same = got == open(sys.argv[2], "rb").read()
print("the device received the program image byte for byte" if same else "the received program image differs")
sys.exit(0 if same else 1)
EOF
    # A small web page into the LINKBOX, checked against what it keeps.
    printf '<html><head><title>Heizzentrale</title></head><body><h1>Kessel Nord</h1></body></html>\n' >"$demo/Startseite.html"
    echo "== qbx webpage $demo/Startseite.html"; "$program/qbx" webpage "$demo/Startseite.html"
    for _ in $(seq 50); do grep -q "^page-data 1 " "$demo/linkbox.state" && break; sleep 0.1; done
    [ "$(sed -n 's/^page-data 1 [0-9A-F]* //p' "$demo/linkbox.state" | tr -d '\n')" = "$(od -An -v -tx1 "$demo/Startseite.html" | tr -d ' \n' | tr a-f A-F)" ] \
        && echo "the LINKBOX received the web page byte for byte"
    build/bench/screenshots/qbx-screenshots build/screenshots
fi
