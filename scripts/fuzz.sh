#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each for the given number of seconds (default 60), all in parallel. Installs clang and its
# libFuzzer runtime first when they are missing.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] &&
    targets=(fuzz_decode_image fuzz_dat_file fuzz_transfer_engine fuzz_csv_import)

scripts/install-deps.sh clang libclang-rt-14-dev

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_SANITIZE=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}" fuzz_seeds

pids=()
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" build/fuzz/artifacts
    # The shared seeds, then the target's own (a folder named after it), if it has any.
    find build/fuzz/seeds -maxdepth 1 -type f -exec cp -n {} "$corpus"/ \;
    if [ -d "build/fuzz/seeds/$target" ]; then
        cp -n "build/fuzz/seeds/$target"/* "$corpus"/ 2>/dev/null || true
    fi
    # A plan of more than 48 channels is a few kilobytes longer than an image.
    max_len=4096
    [ "$target" = fuzz_csv_import ] && max_len=8192
    options=(-max_total_time="$seconds" -max_len="$max_len" -artifact_prefix=build/fuzz/artifacts/
             -print_final_stats=1)
    # A target's dictionary of the words its inputs are made of, if it has one.
    dictionary=fuzz/${target#fuzz_}.dict
    if [ -f "$dictionary" ]; then options+=(-dict="$dictionary"); fi
    build/fuzz/fuzz/$target "$corpus" "${options[@]}" >"build/fuzz/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for target in "${targets[@]}"; do
    echo "== $target"
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|ERROR|SUMMARY' "build/fuzz/$target.log" || true
    # The last status line: coverage (cov), features (ft) and corpus size.
    grep -E '^#[0-9]+' "build/fuzz/$target.log" | tail -n 1 || true
done
exit $status
