#!/usr/bin/env bash
# Makes docs/window-light.png and docs/window-dark.png from the running app,
# driven through one version choice against the local page replica.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
"$repo/scripts/setup-deps.sh"
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target window_screenshot >/dev/null

work=$(mktemp -d)
mkfifo "$work/keep"
python3 "$repo/tests/servers/vendor_replica.py" < "$work/keep" > "$work/replica.out" &
exec 8> "$work/keep"
cleanup() { exec 8>&- 2>/dev/null || true; wait || true; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do grep -q '^PORT ' "$work/replica.out" 2>/dev/null && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$work/replica.out" | head -n 1)
[ -n "$port" ] || { echo "the page replica did not start" >&2; exit 1; }

for look in light dark; do
    QT_QPA_PLATFORM=offscreen "$build/tools/window_screenshot" "http://127.0.0.1:$port" "$look" \
        "$repo/docs/window-$look.png"
    echo "docs/window-$look.png"
done
