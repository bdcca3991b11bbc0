#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole program, then the model
# libraries again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
/usr/bin/python3 "$here/scripts/checks/layering.py" "$here"
bash "$here/scripts/checks/naming.sh"
bash "$here/scripts/checks/format.sh"
# Tests write their settings and desktop entries below a private home.
export HOME="$here/build/test-home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$HOME/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Outside programs (browser, mailer, desktop databases) are stubs that only
# note their calls.
export PATH="$here/tests/stubs:$PATH"
(cd "$here/build" && ctest --output-on-failure -j "$(nproc)" --timeout 180)

asan="$here/build-sanitize"
if [ ! -f "$asan/build.ninja" ]; then
  cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENA_SANITIZE=ON \
    -DLUMENA_TEST_PROGRAM_FOLDER="$here/build/bin/program-folder"
fi
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --build "$asan" -j "$(nproc)"
(cd "$asan" && ctest --output-on-failure -j "$(nproc)" --timeout 600)
