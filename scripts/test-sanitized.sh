#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/
# and runs the whole test suite on that build. Any sanitizer report fails the run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
build="$top/build-sanitize"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTIVREL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks inside the system's font and graphics libraries are theirs, not the program's.
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
# The package test is about packaging, not code, and is run on the ordinary build.
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600 -LE package
