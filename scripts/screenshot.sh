#!/usr/bin/env bash
# Pictures the viewer without a desktop: starts it on the demo log under a virtual X server,
# selects a message so the details pane shows its fields, and writes a PNG of the main window.
#   scripts/screenshot.sh [OUTPUT.png] [LOG] [ROW]
# PLOT="PGN:FIELD[;PGN:FIELD...]" plots those fields first; TRACK=1 shows the track;
# BUSLOAD=1 plots the bus load.
# PANE="Network" brings that pane's tab to the front.
# Needs the viewer built in $BUILD (default build) and Xvfb (scripts/install-deps.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-zrl-reader.png}
log=${2:-samples/demo.zrl}
row=${3:-}
build=${BUILD:-build}
viewer=$build/src/app/zrl-reader

if [ ! -x "$viewer" ]; then
  echo "The viewer is not built: run cmake --build $build first." >&2
  exit 1
fi
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is missing: run scripts/install-deps.sh." >&2
  exit 1
fi

args=(--screenshot "$out")
[ -n "$row" ] && args+=(--select-row "$row")
if [ -n "${PLOT:-}" ]; then
  IFS=';' read -ra plots <<<"$PLOT"
  for plot in "${plots[@]}"; do args+=(--plot "$plot"); done
fi
[ -n "${TRACK:-}" ] && args+=(--track)
[ -n "${BUSLOAD:-}" ] && args+=(--bus-load)
[ -n "${PANE:-}" ] && args+=(--show-pane "$PANE")
timeout 120 xvfb-run -a -s "-screen 0 1920x1080x24" "$viewer" "${args[@]}" "$log"
echo "Wrote $out"
