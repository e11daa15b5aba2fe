#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (as root), once; given package names,
# installs those instead.
set -euo pipefail
packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
    cmake ninja-build g++ ccache libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev libmimalloc-dev
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev
    xvfb xauth fonts-dejavu-core fonts-liberation poppler-utils
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
