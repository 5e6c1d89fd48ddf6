#!/usr/bin/env bash
# Configures the one build folder: clang when present (for the fuzzer), sanitizers on.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
    cxx=g++
    command -v clang++ >/dev/null && cxx=clang++
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$cxx" -DDUVT_SANITIZE=ON
fi
