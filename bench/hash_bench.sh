#!/usr/bin/env bash
# Checks a 4 GiB file's SHA-256 with Travonix's check and with sha256sum,
# alternating, and prints the throughput ratio (Travonix/sha256sum, best of
# the rounds); both must agree on the digest. The file is read from the page
# cache after the first round, so the ratio is about hashing, not the disk.
# Usage: bench/hash_bench.sh [rounds]   (default 3)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
rounds=${1:-3}
size_mib=${BENCH_SIZE_MIB:-4096}

cmake --build "$build" --target hash_bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c $((size_mib * 1024 * 1024)) /dev/urandom > "$work/file.iso"
cat "$work/file.iso" > /dev/null

now() { date +%s.%N; }
ours_best=0; theirs_best=0
for round in $(seq "$rounds"); do
    start=$(now)
    ours=$("$build/bench/hash_bench" "$work/file.iso" | cut -d' ' -f1)
    ours_rate=$(python3 -c "print($size_mib / ($(now) - $start))")
    start=$(now)
    theirs=$(sha256sum "$work/file.iso" | cut -d' ' -f1)
    theirs_rate=$(python3 -c "print($size_mib / ($(now) - $start))")
    [ "$ours" = "$theirs" ] || { echo "the digests differ: $ours $theirs" >&2; exit 1; }
    printf 'round %d: travonix %.0f MiB/s, sha256sum %.0f MiB/s\n' "$round" "$ours_rate" "$theirs_rate"
    ours_best=$(python3 -c "print(max($ours_best, $ours_rate))")
    theirs_best=$(python3 -c "print(max($theirs_best, $theirs_rate))")
done
python3 -c "print('travonix/sha256sum throughput ratio (best of $rounds): %.2f' % ($ours_best / $theirs_best))"
