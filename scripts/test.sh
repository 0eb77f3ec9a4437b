#!/usr/bin/env bash
# Sets up the machine, builds Travonix and runs every test.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup-deps.sh"
"$repo/scripts/build.sh"
cd "${TRAVONIX_BUILD_DIR:-$repo/build}"
ctest --output-on-failure --timeout 600 "$@"
