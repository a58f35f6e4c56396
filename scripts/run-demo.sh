#!/usr/bin/env bash
# `make run`: the viewer on the bundled demo log. Without a display it says so and shows the
# same log through zrltool instead.
set -euo pipefail
build=${1:-build}
demo=${2:-samples/demo.zrl}
viewer=$build/src/app/zrl-reader
tool=$build/src/zrltool
if [ -x "$viewer" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$viewer" "$demo"
fi
if [ ! -x "$viewer" ]; then
  echo "The viewer is not built in $build: showing $demo with zrltool."
else
  echo "No display available (DISPLAY and WAYLAND_DISPLAY are unset): showing $demo with zrltool."
  echo "scripts/screenshot.sh draws the viewer into a PNG without a desktop."
fi
"$tool" summary "$demo"
"$tool" list "$demo" | head -n 40
