#!/usr/bin/env bash
# Makes the README's pictures from the running app, driven through one
# version choice against the local page replica: the window in the light and
# the dark look, the box that explains a refusal, a download under way, all
# in English, and the window in German.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
"$repo/scripts/setup-deps.sh"
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target window_screenshot >/dev/null

# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica

# picture KIND [LOCALE [NAME]]: docs/window-KIND.png, or docs/NAME.png, in
# the locale's language (English by default).
picture() {
    local name=${3:-window-$1}
    LANGUAGE= LC_ALL=${2:-en_US.UTF-8} QT_QPA_PLATFORM=offscreen \
        "$build/tools/window_screenshot" "$replica_origin" "$1" "$repo/docs/$name.png"
    echo "docs/$name.png"
}

picture light
picture light de_DE.UTF-8 window-de
picture dark
echo "refuse 1" >&8
picture refusal
echo "isorate 100000" >&8
picture progress
echo "isorate 0" >&8
