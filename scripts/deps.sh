#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any is missing.
set -euo pipefail

JXC_PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-charts-dev qt6-serialport-dev libqt6opengl6-dev libgl-dev
  libsqlite3-dev libfreexl-dev libzint-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk zbar-tools poppler-utils
)

jxc_install_deps() {
  local missing=()
  local p
  for p in "${JXC_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
