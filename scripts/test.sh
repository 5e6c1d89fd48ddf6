#!/usr/bin/env bash
# Builds everything and runs every test headless, then a short bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/configure.sh
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
if [ -x build/bin/fuzz_document ]; then
    scripts/fuzz.sh 20
fi
