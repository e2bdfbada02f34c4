#!/usr/bin/env bash
# Everything CI runs: set-up, both presets built, every test run under each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in default asan; do
  echo "== $preset"
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j"$(nproc)"
done
