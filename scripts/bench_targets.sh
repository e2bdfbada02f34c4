#!/usr/bin/env bash
# Measures pcbhost against its speed and memory targets on generated routed designs and prints
# a Markdown table, the growth exponents and the targets with pass or fail. Arguments go to
# bench/bench_targets.py: --sizes MB... (default 16 64 256), --runs N (default 3). Designs are
# generated once into $BENCH_DESIGNS (default build/bench_designs) and reused.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v /usr/bin/time >/dev/null || scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target pcbhost specctraif generate_design lex_design >/dev/null
exec python3 bench/bench_targets.py --bin build/default/bin \
  --designs "${BENCH_DESIGNS:-build/bench_designs}" "$@"
