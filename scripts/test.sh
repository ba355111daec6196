#!/usr/bin/env bash
# Sets up what is missing, builds and runs every test: a short fuzzing run of the document
# loader, the tests under AddressSanitizer and UBSan, and the normal build (GUI tests run
# offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

echo "== Fuzzing the document loader =="
cmake --preset fuzz -DQV_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "$jobs"
bash fuzz/run.sh build/fuzz

echo "== Sanitizer build =="
cmake --preset sanitize -DQV_WERROR=ON >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

# Last, so that its summary closes the output.
echo "== Build and test =="
cmake --preset default -DQV_WERROR=ON >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
