#!/usr/bin/env bash
# Builds the libFuzzer targets of the parsers of outside input with clang
# (tests/fuzz/, into build-fuzz/ or $TRAVONIX_FUZZ_BUILD_DIR) and runs each
# over its seed corpus in tests/fuzz/corpus/<target>/.
#
#   scripts/fuzz.sh                     every target for 60 s
#   scripts/fuzz.sh 600                 every target for 600 s
#   scripts/fuzz.sh 300 linkexpiry      one target for 300 s
#   scripts/fuzz.sh --smoke             every target for 5 s, nothing kept
#   scripts/fuzz.sh --build-only
#
# A longer run keeps the inputs it found in build-fuzz/corpus/<target>/ and
# starts from them the next time; a smoke run (the test command's fuzz
# entries) works in a temporary folder. The seed corpus in the tree is only
# read. An input that crashes a target is saved in
# build-fuzz/artifacts/<target>/; the target run with that file as its only
# argument repeats the crash.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_FUZZ_BUILD_DIR:-$repo/build-fuzz}
seconds=60
smoke=false
do_build=true
do_run=true
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --smoke) smoke=true; seconds=5 ;;
    --build-only) do_run=false ;;
    # The test command builds in a fixture of its own, then runs each entry.
    --no-build) do_build=false ;;
    --build-dir) build=$2; shift ;;
    [0-9]*) seconds=$1 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done

if $do_build; then
  cmake -S "$repo/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
fi
$do_run || exit 0

if [ ${#targets[@]} -eq 0 ]; then
  for binary in "$build"/bin/fuzz_*; do
    targets+=("$(basename "$binary" | sed 's/^fuzz_//')")
  done
fi

if $smoke; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
fi
failed=()
for target in "${targets[@]}"; do
  binary=$build/bin/fuzz_$target
  seeds=$repo/tests/fuzz/corpus/$target
  artifacts=$build/artifacts/$target
  [ -x "$binary" ] || { echo "fuzz.sh: no target $target in $build/bin" >&2; exit 2; }
  [ -d "$seeds" ] || { echo "fuzz.sh: no seed corpus $seeds" >&2; exit 2; }
  if $smoke; then
    found=$scratch/$target
  else
    found=$build/corpus/$target
  fi
  mkdir -p "$found" "$artifacts"
  echo "== $target: ${seconds} s"
  # libFuzzer writes what it finds into the first folder only: the seeds stay as they are.
  status=0
  "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$found" "$seeds" 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)|^\s+NEW_FUNC' || status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    echo "== $target FAILED; the input is in $artifacts/" >&2
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: failed: ${failed[*]}" >&2
  exit 1
fi
