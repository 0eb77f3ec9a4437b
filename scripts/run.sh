#!/usr/bin/env bash
# Sets up the machine, builds Travonix and starts it. Arguments go to the app,
# for example: scripts/run.sh --origin http://127.0.0.1:8080
#
# scripts/run.sh --demo [app arguments] starts a local replica of the
# download page first and points the app at it, so the whole flow can be
# watched without internet (the ISO it hands out is a 1 MiB stand-in).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
app=${TRAVONIX_BUILD_DIR:-$repo/build}/bin/travonix
"$repo/scripts/setup-deps.sh"
"$repo/scripts/build.sh"
cd "$repo"
[ "${1:-}" = "--demo" ] || exec "$app" "$@"
shift

work=$(mktemp -d)
mkfifo "$work/keep"
python3 "$repo/tests/servers/vendor_replica.py" < "$work/keep" > "$work/replica.out" &
# The replica runs for as long as this stays open.
exec 8> "$work/keep"
cleanup() { exec 8>&- 2>/dev/null || true; wait || true; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do grep -q '^PORT ' "$work/replica.out" 2>/dev/null && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$work/replica.out" | head -n 1)
[ -n "$port" ] || { echo "the page replica did not start" >&2; exit 1; }
echo "Demo: the download page is served by the local replica at http://127.0.0.1:$port"
"$app" --origin "http://127.0.0.1:$port" "$@"
