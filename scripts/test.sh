#!/usr/bin/env bash
# Sets up the machine, builds Travonix and runs every test (the Debian
# package check only when asked, see below).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/setup-deps.sh"
# A warning fails the test run.
TRAVONIX_WERROR=ON "$repo/scripts/build.sh"
cd "${TRAVONIX_BUILD_DIR:-$repo/build}"
# The Debian package check builds a package tree of its own and takes about
# two minutes more: `scripts/test.sh -L package` runs it (README, Installing).
if [ $# -eq 0 ]; then
  set -- -LE package
fi
# The web engine's tests spend most of their time waiting for the page's
# timers, so three run at once on two processors.
ctest --output-on-failure --timeout 600 --parallel 3 "$@"
