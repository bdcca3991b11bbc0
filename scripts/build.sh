#!/usr/bin/env bash
# Sets up the machine, then configures and builds everything in build/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
if [ ! -f "$here/build/build.ninja" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$here/build" -j "$(nproc)"
