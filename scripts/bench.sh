#!/usr/bin/env bash
# Builds the default preset and runs the benchmarks: the bare lexer, the network on a board,
# then whole imports and exports through pcbhost (extra arguments go to each, e.g.
# --benchmark_filter=Structure).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target lexer_bench network_bench import_bench
build/default/bin/lexer_bench "$@"
build/default/bin/network_bench "$@"
build/default/bin/import_bench "$@"
