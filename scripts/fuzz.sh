#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time
# (TIVREL_FUZZ_SECONDS, default 60) from its committed seed corpus. A crash, a leak, a sanitizer
# report or a hang fails the run. Prints each target's executions per second.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
build="$top/build-fuzz"
seconds="${TIVREL_FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTIVREL_FUZZ=ON -DTIVREL_WERROR=OFF >/dev/null
targets=(fuzz_receive fuzz_number_text fuzz_window_state fuzz_settings_file)
existing=()
for target in "${targets[@]}"; do
    [ -f "$top/fuzz/Fuzz$(echo "${target#fuzz_}" | sed -E 's/(^|_)([a-z])/\U\2/g').cpp" ] && existing+=("$target")
done
cmake --build "$build" -j"$(nproc)" --target "${existing[@]}"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
status=0
for target in "${existing[@]}"; do
    corpus="$build/corpus-${target#fuzz_}"
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp "$top/fuzz/corpus/${target#fuzz_}/"* "$corpus/" 2>/dev/null || true
    log="$build/$target.log"
    if "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 >"$log" 2>&1; then
        runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
        echo "$target: ${runs:-?} runs in ${seconds} s, $(( ${runs:-0} / seconds )) exec/s, no findings"
    else
        echo "$target: FAILED"
        tail -n 60 "$log"
        status=1
    fi
done
exit $status
