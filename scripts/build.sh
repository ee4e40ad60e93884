#!/usr/bin/env bash
# Configures and builds the project in ./build (or $QUILLON_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLON_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
