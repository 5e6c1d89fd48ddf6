#!/usr/bin/env bash
# Builds the workstation and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/configure.sh
cmake --build build --target duvt
exec build/bin/duvt "$@"
