#!/usr/bin/env bash
# Installs the Debian packages the workstation and its tests need; quick when all are present.
set -euo pipefail
packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-translations-l10n libgl-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation xvfb xauth imagemagick poppler-utils
    librsvg2-bin dpkg-dev desktop-file-utils shared-mime-info lintian
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Устанавливаются пакеты: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
