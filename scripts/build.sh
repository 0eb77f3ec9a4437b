#!/usr/bin/env bash
# Configures and builds Travonix into build/ (or $TRAVONIX_BUILD_DIR):
# everything, or only the targets named, e.g. scripts/build.sh travonix Log.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
# Every script builds with the same settings, so that the test command and
# the run command share one build and neither compiles the other's objects
# again. A warning is an error (TRAVONIX_WERROR=ON); TRAVONIX_WERROR=OFF gets
# past a newer compiler's new warning, at the cost of a rebuild.
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAVONIX_WERROR="${TRAVONIX_WERROR:-ON}" >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$build" --parallel "$(nproc)" ${targets[@]+"${targets[@]}"}
