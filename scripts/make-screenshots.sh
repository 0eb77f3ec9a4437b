#!/usr/bin/env bash
# Makes docs/window-light.png and docs/window-dark.png from the running app,
# driven through one version choice against the local page replica.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
"$repo/scripts/setup-deps.sh"
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target window_screenshot >/dev/null

# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica

for look in light dark; do
    QT_QPA_PLATFORM=offscreen "$build/tools/window_screenshot" "$replica_origin" "$look" \
        "$repo/docs/window-$look.png"
    echo "docs/window-$look.png"
done
