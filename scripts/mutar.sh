#!/usr/bin/env bash
# Mutation check of the model and the file formats: one small fault at a time
# (a flipped comparison, + for -, * for /, a constant one digit off, a dropped
# unary minus or negation, ...) is written into src/model or
# src/formats, the plain C++ test programs are rebuilt and run, and
# the file is put back. Prints every mutant the tests let through.
#
#   scripts/mutar.sh                 the whole curated sample (about 100 mutants)
#   scripts/mutar.sh --list          the sample, without building anything
#   scripts/mutar.sh --only numero   mutants of the files whose path contains "numero"
#   scripts/mutar.sh --limit 20      the first 20 of the sample
#
# It builds in ./build-mutar (or $QUILLON_MUTAR_BUILD), never in ./build.
# Interrupted or not, every mutated file is restored from its saved copy.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLON_MUTAR_BUILD:-$root/build-mutar}
respaldo="$build/respaldo"

restaurar() {
  # The Python side restores as it goes; this catches a kill between its
  # write and its restore.
  if [ -d "$respaldo" ]; then
    (cd "$respaldo" && find . -type f -print0) | while IFS= read -r -d '' f; do
      cp -p "$respaldo/$f" "$root/$f"
    done
    rm -rf "$respaldo"
  fi
}
trap restaurar EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

restaurar  # a copy left by a run that was killed outright (kill -9)

if [[ " $* " != *" --list "* ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_NOHASHDIR=1
  gen=()
  command -v ninja >/dev/null && gen=(-G Ninja)
  [ -f "$build/CMakeCache.txt" ] && gen=()
  cmake -S "$root" -B "$build" "${gen[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DQUILLON_BUILD_GUI=OFF -DQUILLON_BUILD_BENCH=OFF >/dev/null
fi
python3 "$root/scripts/mutar.py" --root "$root" --build "$build" --respaldo "$respaldo" "$@"
