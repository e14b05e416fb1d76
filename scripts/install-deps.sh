#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and looking at The
# Orvanta need. Does nothing (and touches no package list) when all of them are
# already there; otherwise installs only the missing ones, as root or via sudo.
set -euo pipefail

packages=(
    build-essential cmake g++ make
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev googletest libbenchmark-dev
    fonts-liberation
    xvfb xauth imagemagick poppler-utils
    clang libclang-rt-dev
    xdg-utils shared-mime-info libfile-mimeinfo-perl xdotool
    pkg-config libxcb1-dev libxcb-damage0-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [ "$status" != "installed" ]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
