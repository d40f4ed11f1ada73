#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs
# each for the given number of seconds (default 60), or for the given number of runs, all in
# parallel and at a low priority, so that builds beside them keep their pace. Installs clang and
# its libFuzzer runtime first when they are missing.
#   scripts/fuzz.sh [seconds | --runs N] [target...]
# Debian 12's own clang (14) crashes on this code base; its clang 19 builds it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60 runs=0
if [ "${1:-}" = --runs ]; then
    runs=${2:?--runs needs a number}
    seconds=0
    shift 2
elif [ $# -gt 0 ]; then
    seconds=$1
    shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] &&
    targets=(fuzz_decode_image fuzz_dat_file fuzz_transfer_engine fuzz_csv_import fuzz_setup_text)

clang=clang++-19
scripts/install-deps.sh clang-19 libclang-rt-19-dev

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=$clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_SANITIZE=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}" fuzz_seeds
seeds=build/fuzz/fuzz/seeds

pids=()
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" build/fuzz/artifacts
    # The shared seeds, then the target's own (a folder named after it), if it has any.
    find "$seeds" -maxdepth 1 -type f -exec cp -n {} "$corpus"/ \;
    if [ -d "$seeds/$target" ]; then
        cp -n "$seeds/$target"/* "$corpus"/ 2>/dev/null || true
    fi
    # A plan of more than 48 channels is a few kilobytes longer than an image, a set-up as text
    # with every channel in use some ten kilobytes.
    max_len=4096
    [ "$target" = fuzz_csv_import ] && max_len=8192
    [ "$target" = fuzz_setup_text ] && max_len=16384
    options=(-max_len="$max_len" -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1)
    if [ "$runs" -gt 0 ]; then options+=(-runs="$runs"); else options+=(-max_total_time="$seconds"); fi
    # A target's dictionary of the words its inputs are made of, if it has one.
    dictionary=fuzz/${target#fuzz_}.dict
    if [ -f "$dictionary" ]; then options+=(-dict="$dictionary"); fi
    nice -n 10 build/fuzz/fuzz/$target "$corpus" "${options[@]}" >"build/fuzz/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for target in "${targets[@]}"; do
    echo "== $target"
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^Done|ERROR|SUMMARY' "build/fuzz/$target.log" || true
    # The last status line: coverage (cov), features (ft) and corpus size.
    grep -E '^#[0-9]+' "build/fuzz/$target.log" | tail -n 1 || true
done
exit $status
