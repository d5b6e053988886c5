#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exit status 0 only when all pass.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
build="${TIVREL_BUILD_DIR:-$top/build}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
