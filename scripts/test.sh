#!/usr/bin/env bash
# Sets up what is missing, builds and runs every test: a short fuzzing run of the document
# loader, the tests under AddressSanitizer and UBSan, and the normal build (GUI tests run
# offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

# Runs the tests of a preset, then says why each skipped test was skipped: ctest shows only
# that it was. The reasons are the lines Google Test prints after "Skipped", as ctest logged
# them.
run_tests() {
  local preset=$1 status=0
  ctest --preset "$preset" -j "$jobs" || status=$?
  local log="build/$preset/Testing/Temporary/LastTest.log"
  if [ -f "$log" ] && grep -q '^\[  SKIPPED \]' "$log"; then
    echo "Why tests were skipped:"
    awk '
      / Test: / && $1 ~ /^[0-9]+\/[0-9]+$/ { name = $3; next }
      /: Skipped$/ { reason = ""; grab = 1; next }
      grab && /^\[  SKIPPED \]/ {
        printf "  %s: %s\n", name, (reason == "" ? "no reason given" : reason)
        grab = 0
        next
      }
      grab && NF { reason = reason (reason == "" ? "" : " ") $0 }
    ' "$log"
  fi
  return "$status"
}

echo "== Fuzzing the document loader =="
cmake --preset fuzz -DQV_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "$jobs"
bash fuzz/run.sh build/fuzz

echo "== Sanitizer build =="
cmake --preset sanitize -DQV_WERROR=ON >/dev/null
cmake --build --preset sanitize -j "$jobs"
run_tests sanitize

# Last, so that its summary and the reasons of its skipped tests close the output.
echo "== Build and test =="
cmake --preset default -DQV_WERROR=ON >/dev/null
cmake --build --preset default -j "$jobs"
run_tests default
