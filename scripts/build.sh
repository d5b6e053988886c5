#!/usr/bin/env bash
# Configures and builds everything into build/ (or $TIVREL_BUILD_DIR).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${TIVREL_BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE="${TIVREL_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j"$(nproc)"
