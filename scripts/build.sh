#!/usr/bin/env bash
# Configures and builds Travonix into build/ (or $TRAVONIX_BUILD_DIR).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
# TRAVONIX_WERROR=ON makes every warning an error, as the test command
# does; a build for running the app leaves a new compiler's warning a warning.
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAVONIX_WERROR="${TRAVONIX_WERROR:-OFF}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
