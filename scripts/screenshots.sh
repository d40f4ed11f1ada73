#!/usr/bin/env bash
# Takes the README's screenshots of the main window, in Chinese and in English, after reading the
# demo radio: a release build of the program on a private X server (Xvfb), a virtual radio on
# COM1, Ctrl+R typed into the window. Writes docs/screenshots/main-window-{zh,en}.png.
set -euo pipefail
cd "$(dirname "$0")/.."
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
cmake --build build/release

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
# The program keeps its settings beside itself: a copy of its own keeps the user's untouched.
cp build/release/src/app/qv7100 "$work/"
build/release/src/cli/qv7100-cli simulate --image docs/demo-radio.DAT >"$work/device" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/device" ] && break; sleep 0.1; done

for n in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
mkdir -p docs/screenshots
for language in zh en; do
    flag=0
    [ "$language" = en ] && flag=1
    printf "\x00\x00\x0${flag}" >"$work/parameter"
    DISPLAY=$display QV7100_COM1=$(head -n 1 "$work/device") "$work/qv7100" &
    app=$!
    window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name 'QV-7100' | head -n 1)
    DISPLAY=$display xdotool windowmove "$window" 0 0 windowfocus --sync "$window"
    sleep 0.5
    DISPLAY=$display xdotool key --clearmodifiers ctrl+r
    sleep 3  # the read, and the two seconds its result blinks
    DISPLAY=$display import -window "$window" "docs/screenshots/main-window-$language.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
done
echo "docs/screenshots/main-window-zh.png docs/screenshots/main-window-en.png"
