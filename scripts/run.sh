#!/usr/bin/env bash
# Sets up the machine, builds Travonix and starts it. Arguments go to the app,
# for example: scripts/run.sh --origin http://127.0.0.1:8080
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup-deps.sh"
"$repo/scripts/build.sh"
cd "$repo"
exec "${TRAVONIX_BUILD_DIR:-$repo/build}/bin/travonix" "$@"
