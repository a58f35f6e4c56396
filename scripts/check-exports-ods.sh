#!/usr/bin/env bash
# Exports the demo log (raw and decoded) with zrltool and converts every CSV written to an
# OpenDocument spreadsheet with the office suite's headless converter, to check by eye that the
# files open as spreadsheets. Not part of CI; without soffice it says so after the exports.
#   scripts/check-exports-ods.sh [BUILD_DIR] [LOG] [OUT_DIR]
set -euo pipefail
build=${1:-build}
demo=${2:-samples/demo.zrl}
out=${3:-$build/exports-ods}
tool=$build/src/zrltool
if [ ! -x "$tool" ]; then
  echo "zrltool is not built in $build: nothing to export."
  exit 0
fi
mkdir -p "$out"
rm -f "$out"/demo.*
"$tool" export "$demo" "$out/demo.csv"
"$tool" export "$demo" "$out/demo.csv" --decoded
shopt -s nullglob
csvs=("$out"/demo.*.csv)
if [ ${#csvs[@]} -eq 0 ]; then
  echo "no CSV file was written" >&2
  exit 1
fi
if ! command -v soffice >/dev/null 2>&1; then
  echo "soffice is not installed: the CSV exports in $out are not converted."
  exit 0
fi
status=0
for csv in "${csvs[@]}"; do
  # A profile of its own, so that a running office instance is left alone.
  soffice --headless -env:UserInstallation=file://"$(realpath "$out")"/profile \
    --convert-to ods --outdir "$out" "$csv" >/dev/null
  ods="${csv%.csv}.ods"
  if [ -s "$ods" ]; then
    echo "converted $csv -> $ods"
  else
    echo "conversion failed: $csv" >&2
    status=1
  fi
done
exit $status
