#!/usr/bin/env bash
# Sets up the machine, builds the program (only what it needs to run: the
# travonix executable and its log library) and starts it. Arguments go to
# the app, for example: scripts/run.sh --origin http://127.0.0.1:8080
#
# scripts/run.sh --demo [app arguments] starts a local replica of the
# download page first and points the app at it, so the whole flow can be
# watched without internet (the ISO it hands out is a 1 MiB stand-in).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
app=${TRAVONIX_BUILD_DIR:-$repo/build}/bin/travonix
"$repo/scripts/setup-deps.sh"
# The test command's settings: after scripts/test.sh nothing is compiled
# again, and the test programs, fuzz targets and sanitizer builds wait for
# the test command.
if ! "$repo/scripts/build.sh" travonix Log; then
  echo "The build failed. Warnings are errors here, as in the test command;" \
    "TRAVONIX_WERROR=OFF scripts/run.sh builds past a newer compiler's warning." >&2
  exit 1
fi
cd "$repo"
[ "${1:-}" = "--demo" ] || exec "$app" "$@"
shift

# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica
echo "Demo: the download page is served by the local replica at $replica_origin"
"$app" --origin "$replica_origin" "$@"
