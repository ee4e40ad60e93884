#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLON_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
if [ -x "$build/src/quillon" ]; then
  exec "$build/src/quillon"
fi
# Until the window exists: the companion on the example document.
exec "$build/src/quillon-table" "$root/examples/benzene-toluene-3-stages.bdf" --stage 2
