#!/usr/bin/env bash
# Builds the default preset and runs the lexer benchmark (extra arguments go to it).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target lexer_bench
build/default/bin/lexer_bench "$@"
