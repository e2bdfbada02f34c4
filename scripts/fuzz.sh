#!/usr/bin/env bash
# Builds the import fuzzer with clang in build/fuzz and runs it for SECONDS (default 600),
# seeded from the test fixtures' designs and the small designs of the corpus (inputs are kept
# under 16 KB: small inputs run hundreds of times faster than whole boards and reach the same
# code), with the lexer's keywords as its dictionary. Crashing inputs land in build/fuzz/crashes/; the inputs it found
# interesting stay in build/fuzz/corpus/ for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
build=build/fuzz
corpus_folder="${SPECCTRAIF_CORPUS:-../shared/corpus}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSPECCTRAIF_FUZZ=ON >/dev/null
cmake --build "$build" --target import_fuzzer fuzz_dictionary

mkdir -p "$build/corpus" "$build/seeds" "$build/crashes"
rm -f "$build/seeds/"*
cp tests/fixtures/designs/*.dsn "$build/seeds/"
if [ -d "$corpus_folder" ]; then
  find "$corpus_folder" -maxdepth 1 -name '*.dsn' -size -16k -exec cp {} "$build/seeds/" \;
fi
"$build/bin/fuzz_dictionary" >"$build/keywords.dict"

# The designs and reports of the runs go to memory, in a folder removed afterwards.
work=$(mktemp -d /dev/shm/specctraif-fuzz-XXXXXX)
trap 'rm -rf "$work"' EXIT
# ASan without its fill of new memory and with a smaller quarantine: both cost page faults on
# every input and neither is needed to catch a use after free within one import.
ASAN_OPTIONS="${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=16}" \
SPECCTRAIF_FUZZ_FOLDER="$work" "$build/bin/import_fuzzer" \
  -max_total_time="$seconds" -dict="$build/keywords.dict" -max_len=16384 -timeout=20 \
  -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
  -artifact_prefix="$build/crashes/" "$build/corpus" "$build/seeds"
