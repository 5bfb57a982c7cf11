#!/usr/bin/env bash
# Installs what is missing, builds the program, creates data/jxc.mdb beside it when there is
# none, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
jxc_install_deps

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJXC_TESTS=OFF
cmake --build build -j "$jobs" --target jxc jxc-mkdb

bin=build/bin
if [ ! -f "$bin/data/jxc.mdb" ]; then
  mkdir -p "$bin/data"
  "$bin/jxc-mkdb" "$bin/data/jxc.mdb"
  echo "Created a new database: $bin/data/jxc.mdb"
fi
for d in report; do
  [ -d "$d" ] && { mkdir -p "$bin/$d"; cp -rn "$d"/. "$bin/$d"/ 2>/dev/null || true; }
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display: the program needs a graphical desktop (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  echo "The program is built in $bin; start $bin/jxc from a desktop session." >&2
  exit 1
fi
exec "$bin/jxc" "$@"
