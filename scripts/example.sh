#!/usr/bin/env bash
# The main job on the example design: set-up and build when needed, then import a copy of the
# design under out/ with pcbhost (the board, its report, routes, session and picture land beside
# that copy).
set -euo pipefail
cd "$(dirname "$0")/.."
design=${1:-examples/blinker.dsn}
pcbhost=build/default/bin/pcbhost
if [ ! -x "$pcbhost" ] || [ -n "$(find src standin CMakeLists.txt -newer "$pcbhost" -print -quit)" ]; then
  scripts/setup.sh
  scripts/build.sh default
fi
mkdir -p out
cp "$design" out/
copy="out/$(basename "$design")"
# The exports run in sessions of their own, so the import's report stays beside the design.
"$pcbhost" import "$copy" --svg
board="${copy%.*}.pcbdoc"
"$pcbhost" export-routes "$board"
"$pcbhost" export-session "$board"
