#!/usr/bin/env bash
# Builds the release build and starts the desktop program.
#
# A machine without a serial adapter (no ttyUSB or ttyACM device) gets a virtual radio first, with
# COM1 wired to it, so that Ctrl+R reads a radio at once. Without a display, the same read runs
# with the command-line companion and its set-up is printed.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
app=build/release/src/app/qv7100
cli=build/release/src/cli/qv7100-cli

radio_pid=""
trap '[ -n "$radio_pid" ] && kill "$radio_pid" 2>/dev/null; true' EXIT
if [ -z "${QV7100_COM1:-}" ] && ! compgen -G '/dev/ttyUSB*' >/dev/null &&
    ! compgen -G '/dev/ttyACM*' >/dev/null; then
    devices=$(mktemp)
    "$cli" simulate --image docs/demo-radio.DAT >"$devices" 2>/dev/null &
    radio_pid=$!
    for _ in $(seq 50); do [ -s "$devices" ] && break; sleep 0.1; done
    QV7100_COM1=$(head -n 1 "$devices")
    rm -f "$devices"
    export QV7100_COM1
    echo "No serial adapter here: COM1 is a virtual radio on $QV7100_COM1 (Ctrl+R reads it)."
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: reading the radio on COM1 with qv7100-cli instead of the window."
    "$cli" read --port COM1 build/release/radio.DAT
    "$cli" show build/release/radio.DAT
    exit 0
fi
"$app"
