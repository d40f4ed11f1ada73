#!/usr/bin/env bash
# Builds the release build and starts the tool. With a *.DAT file as argument it shows that set-up;
# without one it shows the start-up set-up the tool writes for a new radio.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
cli=build/release/src/cli/qv7100-cli
if [ $# -ge 1 ]; then
    exec "$cli" show "$1"
fi
setup=build/release/start-up.DAT
"$cli" new "$setup"
exec "$cli" show "$setup"
