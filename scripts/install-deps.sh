#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; quiet and
# quick when everything is there already.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config openssl python3 curl
    qt6-base-dev qt6-base-dev-tools libqt6sql6-mysql qt6-httpserver-dev qt6-websockets-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev libqt6opengl6-dev
    mariadb-server mariadb-client fonts-dejavu-core xvfb
    libbenchmark-dev clang-14 libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
