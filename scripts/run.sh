#!/usr/bin/env bash
# Sets up, builds, generates the default program folder and starts Lumena.
# Arguments are passed to the program (for example a work file to open).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
exec "$here/build/bin/lumena" "$@"
