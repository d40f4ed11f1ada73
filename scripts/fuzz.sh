#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each for the given number of seconds (default 60), all in parallel.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_decode_image fuzz_dat_file fuzz_transfer_engine)

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_SANITIZE=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}" fuzz_seeds

pids=()
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" build/fuzz/artifacts
    cp -n build/fuzz/seeds/* "$corpus"/ 2>/dev/null || true
    build/fuzz/fuzz/$target "$corpus" -max_total_time="$seconds" -max_len=4096 \
        -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
        >"build/fuzz/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for target in "${targets[@]}"; do
    echo "== $target"
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|ERROR|SUMMARY' "build/fuzz/$target.log" || true
done
exit $status
