#!/usr/bin/env bash
# Sets up and builds the program, then opens it connected to the simulated server.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" "$top/build"
exec "$top/build/app/farrowdale" --demo "$@"
