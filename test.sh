#!/usr/bin/env bash
# Builds the debug build with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_WERROR=ON
cmake --build build/debug
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/debug --output-on-failure --timeout 300 -j "$(nproc)"
