#!/usr/bin/env bash
# Fuzzes the document loader for under a minute, starting from the sample documents. Fails on
# a crash, a leak or an unstable round trip; the input that broke it is kept in the build
# folder as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: fuzz/run.sh FUZZ_BUILD_FOLDER}
fuzzer="$build/fuzz/document_fuzzer"
[ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer; build the preset \"fuzz\" first" >&2; exit 1; }

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fixtures/ocn-samples/*.ocn "$corpus"/

"$fuzzer" -max_total_time=50 -timeout=5 -rss_limit_mb=2048 -max_len=65536 \
    -dict=fuzz/document.dict -artifact_prefix="$build/fuzz/" -print_final_stats=1 "$corpus"
