#!/usr/bin/env bash
# Takes the manual's pictures of the programming station window while it runs, in Chinese and in
# English: a release build of the program on a private X server (Xvfb), three virtual shelves of
# radios as slow as real ones on COM1..COM3 (on COM2 a radio that loses the block of its first
# line, on COM3 one that stays silent, so that the next comes later), and an earlier run of
# `qv7100-cli station` in the log. The window is opened and driven with the keys a user would
# press. Writes docs/screenshots/station-window-{zh,en}.png; with a scale factor (2), the pictures
# are taken at that QT_SCALE_FACTOR as station-window-{zh,en}-2x.png, to look at a large screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}
suffix=""
[ "$scale" != 1 ] && suffix="-${scale}x"
./scripts/install-deps.sh
need=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target qv7100 qv7100-cli
cli=build/release/src/cli/qv7100-cli

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
for n in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 "$((1280 * scale))x$((800 * scale))x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
keys() { for key in "$@"; do DISPLAY=$display xdotool key --clearmodifiers "$key"; sleep 0.4; done; }
# Starts `simulate` with its arguments in the background; prints the device it serves.
serve() {
    local out
    out=$(mktemp -p "$work")
    "$cli" simulate "$@" >"$out" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
    head -n 1 "$out"
}
mkdir -p docs/screenshots
shots=()
for language in zh en; do
    flag=0
    [ "$language" = en ] && flag=1
    data=$work/data-$language
    # An earlier run: three radios in the log.
    earlier=$(serve --shelf 3 --present 0.5 --gap 1)
    XDG_DATA_HOME=$data "$cli" station docs/demo-radio.DAT --port "$earlier" --count 3 \
        --line1 'UNIT {n:03}' >/dev/null
    one=$(serve --shelf 4 --paced --present 20 --gap 2)
    two=$(serve --shelf 4 --paced --present 20 --gap 2 --shelf-fault 1=drop-block:41)
    # The silent radio goes a few seconds after the station starts; the next then comes.
    three=$(serve --shelf 4 --paced --present 8 --gap 0.5 --shelf-fault 1=silent)
    cp build/release/src/app/qv7100 "$work/"
    printf "\x00\x01\x0${flag}" >"$work/parameter"
    DISPLAY=$display XDG_DATA_HOME=$data QT_SCALE_FACTOR=$scale QV7100_COM1=$one \
        QV7100_COM2=$two QV7100_COM3=$three "$work/qv7100" &
    app=$!
    main=$(DISPLAY=$display xdotool search --sync --onlyvisible --name 'QV-7100' | head -n 1)
    DISPLAY=$display xdotool windowmove "$main" 0 0 windowfocus --sync "$main"
    sleep 0.5
    keys ctrl+t
    window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name '编程工作站|Programming station' | head -n 1)
    DISPLAY=$display xdotool windowmove "$window" 0 0 windowfocus --sync "$window"
    # COM2 and COM3 too; the lines numbered on from the earlier run.
    keys alt+2 alt+3 alt+p alt+i
    DISPLAY=$display xdotool type 'UNIT {n:03}'
    keys alt+r ctrl+a 4 alt+s
    sleep 8.5  # a radio verified, one failed, one being written
    DISPLAY=$display import -window "$window" "docs/screenshots/station-window-$language$suffix.png"
    shots+=("docs/screenshots/station-window-$language$suffix.png")
    kill "$app"
    wait "$app" 2>/dev/null || true
done
echo "${shots[*]}"
