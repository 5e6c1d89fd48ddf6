#!/usr/bin/env bash
# Builds the Debian package from its own Release configuration (no sanitizers, no tests) and
# prints the package's path on the last line. Usage: build-package.sh [BUILD_DIR [CXX]]
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$source_dir/build/package}"
cxx="${2:-${CXX:-c++}}"

# Debian's usual hardening: fortified calls, stack protector, read-only relocations bound at load.
cmake -S "$source_dir" -B "$build_dir" -G Ninja -Wno-dev \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" \
    -DDUVT_SANITIZE=OFF -DDUVT_TESTS=OFF -DDUVT_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j2
rm -f "$build_dir"/*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/*.deb
