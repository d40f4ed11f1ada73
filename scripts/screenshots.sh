#!/usr/bin/env bash
# Takes the README's screenshots of the main window, in Chinese and in English, after reading the
# demo radio: a release build of the program on a private X server (Xvfb), a virtual radio on
# COM1, Ctrl+R typed into the window. Writes docs/screenshots/main-window-{zh,en}.png. Then, with
# the keys a user would press, the language is switched (Languages menu) and the edit lock put
# on (Settings menu): main-window-zh-to-en.png, main-window-en-to-zh.png and
# main-window-locked.png show the window after that.
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
# One key at a time, each given time to open its menu or take effect.
keys() { for key in "$@"; do DISPLAY=$display xdotool key --clearmodifiers "$key"; sleep 0.5; done; }
shoot() { DISPLAY=$display import -window "$window" "docs/screenshots/$1.png"; shots+=("docs/screenshots/$1.png"); }
shots=()
for language in zh en; do
    flag=0
    [ "$language" = en ] && flag=1
    printf "\x00\x00\x0${flag}" >"$work/parameter"
    DISPLAY=$display QV7100_COM1=$(head -n 1 "$work/device") "$work/qv7100" &
    app=$!
    window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name 'QV-7100' | head -n 1)
    DISPLAY=$display xdotool windowmove "$window" 0 0 windowfocus --sync "$window"
    sleep 0.5
    keys ctrl+r
    sleep 3  # the read, and the two seconds its result blinks
    shoot "main-window-$language"
    # Languages menu (Alt+L): Chinese is its first item, English its second.
    if [ "$language" = zh ]; then
        keys alt+l Down Return
        shoot main-window-zh-to-en
    else
        keys alt+l Return
        shoot main-window-en-to-zh
        keys alt+s l  # Settings menu, Lock
        shoot main-window-locked
    fi
    kill "$app"
    wait "$app" 2>/dev/null || true
done
echo "${shots[*]}"
