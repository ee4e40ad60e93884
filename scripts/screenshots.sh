#!/usr/bin/env bash
# Takes the user's manual's figures from the running program on a virtual
# X display (Xvfb) and writes them into docs/ as PNG files:
#   fig-start.png    the program as it starts (the real executable, captured
#                    from the display with ImageMagick's import)
#   fig-main.png, fig-inputs.png, fig-graph.png, fig-table.png, fig-vle.png,
#   fig-editor.png, fig-print.png, fig-predict.png, fig-txy.png, fig-about.png
#                    the views, the table editor, the print dialog, Predict
#                    VLE table, the T-x-y diagram of a predicted azeotrope and
#                    the About window, with the example documents open
#                    (tools/screenshots, the main window's own grab)
# The next build puts them into Manual_ALMB.pdf.
#
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default: docs)
# The build folder is ./build or $QUILLON_BUILD_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLON_BUILD_DIR:-$root/build}
out=$(cd "${1:-$root/docs}" && pwd)

for tool in xvfb-run import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" "${launcher[@]}" >/dev/null
cmake --build "$build" --target quillon quillon-screenshots -j"$(nproc)"

# A settings folder of this run only: remembered folders and colours of the
# user's own runs must not show, and the pictures must not change them.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

# Runs inside the virtual display: the real program first, then the views.
cat > "$scratch/run.sh" <<'EOF'
#!/usr/bin/env bash
set -euo pipefail
build=$1 examples=$2 out=$3
"$build/src/quillon" &
program=$!
sleep 3   # the splash closes after 0.4 s; leave time for the first refresh
# Only the window shows on the black root: trim the black around it.
import -window root "$out/fig-start.png"
convert "$out/fig-start.png" -trim +repage -strip -define png:exclude-chunks=date,time "$out/fig-start.png"
kill "$program"
wait "$program" 2>/dev/null || true
"$build/tools/quillon-screenshots" "$examples" "$out"
EOF
chmod +x "$scratch/run.sh"
xvfb-run -a -s "-screen 0 1600x1000x24" "$scratch/run.sh" "$build" "$root/examples" "$out"
echo "Figures written to $out; rebuild to put them into the manual."
