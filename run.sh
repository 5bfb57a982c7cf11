#!/usr/bin/env bash
# Installs what is missing, builds the program, creates the shop's database when there is none
# (never over an existing one), and starts it. The shop's folder lies outside the build:
# $JXC_SHOP_DIR when set, else ~/.local/share/jxc ($XDG_DATA_HOME/jxc).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
jxc_install_deps

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJXC_TESTS=OFF
cmake --build build -j "$jobs" --target jxc jxc-mkdb

bin=build/bin
shop="${JXC_SHOP_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/jxc}"
db="$shop/data/jxc.mdb"
if [ ! -e "$db" ]; then
  mkdir -p "$shop/data"
  if [ -f "$bin/data/jxc.mdb" ]; then
    # A database an earlier version kept inside the build folder moves to the shop's folder.
    cp -p "$bin/data/jxc.mdb" "$db"
    echo "Copied the database from $bin/data/jxc.mdb to $db"
  else
    "$bin/jxc-mkdb" "$db"
    echo "Created a new database: $db"
  fi
fi
echo "The shop's data: $shop"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display: the program needs a graphical desktop (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  echo "The program is built in $bin; start $bin/jxc from a desktop session." >&2
  exit 1
fi
exec "$bin/jxc" "$@"
