#!/usr/bin/env bash
# `make run`: the main job on the bundled demo log.
set -euo pipefail
build=${1:-build}
demo=${2:-samples/demo.zrl}
if [ ! -x "$build/src/zrltool" ]; then
  echo "The loader is not built yet: nothing to run on $demo."
  exit 0
fi
tool=$build/src/zrltool
"$tool" summary "$demo"
"$tool" list "$demo" | head -n 40
