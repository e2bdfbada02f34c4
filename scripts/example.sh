#!/usr/bin/env bash
# The main job on the example design: set-up when needed, build what the example needs (the
# plug-in, the stand-in libraries and pcbhost; scripts/test.sh builds the tests and benchmarks),
# then import a copy of the design under out/ with pcbhost (the board, its report, routes,
# session and picture land beside that copy; an earlier run's board is replaced).
set -euo pipefail
cd "$(dirname "$0")/.."
design=${1:-examples/blinker.dsn}
scripts/setup.sh
[ -f build/default/build.ninja ] || cmake --preset default >/dev/null
cmake --build --preset default --target specctraif kelvane pcbclient pcbhost
pcbhost=build/default/bin/pcbhost
mkdir -p out
cp "$design" out/
copy="out/$(basename "$design")"
# The exports run in sessions of their own, so the import's report stays beside the design.
"$pcbhost" import "$copy" --force --svg
board="${copy%.*}.pcbdoc"
"$pcbhost" export-routes "$board"
"$pcbhost" export-session "$board"
