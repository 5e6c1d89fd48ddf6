#!/usr/bin/env bash
# Fuzzes the document reader for the given number of seconds (default 600).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
mkdir -p build/fuzz-corpus
build/bin/fuzz_document -max_total_time="$seconds" -print_final_stats=1 \
    build/fuzz-corpus tests/fuzz/corpus
