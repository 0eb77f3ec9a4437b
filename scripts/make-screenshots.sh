#!/usr/bin/env bash
# Makes the README's pictures from the running app, driven through one
# version choice against the local page replica: the window in the light and
# the dark look, the box that explains a refusal, a download under way.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
"$repo/scripts/setup-deps.sh"
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target window_screenshot >/dev/null

# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica

picture() {
    QT_QPA_PLATFORM=offscreen "$build/tools/window_screenshot" "$replica_origin" "$1" "$repo/docs/window-$1.png"
    echo "docs/window-$1.png"
}

picture light
picture dark
echo "refuse 1" >&8
picture refusal
echo "isorate 100000" >&8
picture progress
echo "isorate 0" >&8
