#!/usr/bin/env bash
# Runs clang-tidy, with the .clang-tidy at the root, over the product's
# code (every folder but tests, bench and tools) and fails on any finding.
# Builds first, for the compile commands and the generated headers.
#
#   scripts/tidy.sh [FILE_REGEX]     (default: every product source)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
"$repo/scripts/setup-deps.sh"
# Built as the test command builds it, so the two share one build.
TRAVONIX_WERROR=ON "$repo/scripts/build.sh"
filter=${1:-"^$repo/(app|catalog|cli|common|download|flow|logkit|media|platform|scraper|ui)/.*\\.cpp\$"}
# The Windows sources are compiled only by the mingw check, so they are not
# in the compile commands.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "$filter" > "$log" 2>&1 || status=$?
grep -v -e '^[0-9]* warnings\? generated' -e '^Suppressed [0-9]* warnings' -e '^Use -header-filter=' \
    -e '^Running clang-tidy' -e '^clang-tidy-14 ' -e '^$' "$log" || true
exit "$status"
