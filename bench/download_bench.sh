#!/usr/bin/env bash
# Downloads a 2 GiB file over HTTPS from nginx on loopback with the engine
# (which computes the file's SHA-256 as it goes), with the engine told not to
# hash, and with curl's command line, in turn, and prints the throughput
# ratios engine/curl, engine/(curl then sync: the file on the device, as the
# engine has it when it finishes) and hashing/not hashing (best of the rounds
# and median of each round's own), and the event loop's delays during the
# engine's runs.
# Usage: bench/download_bench.sh [rounds]   (default 5)
# BENCH_BASELINE_BUILD names another build folder (say, of an earlier commit)
# whose engine runs too, with and without hashing, in the same rounds: its
# ratios beside this one's, measured on the machine as it is now.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
rounds=${1:-5}
size_mib=${BENCH_SIZE_MIB:-2048}

cmake --build "$build" --target download_bench >/dev/null
# BENCH_DIR=/dev/shm keeps both copies in memory: the disk out of the comparison.
work=$(mktemp -d -p "${BENCH_DIR:-${TMPDIR:-/tmp}}")
cleanup() { exec 8>&- 2>/dev/null || true; wait || true; rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$work/root" "$work/out"
head -c $((size_mib * 1024 * 1024)) /dev/urandom > "$work/root/bench.iso"

. "$repo/bench/nginx.sh"
start_nginx "$work/root"
url="https://127.0.0.1:$https_port/bench.iso"

now() { date +%s.%N; }
baseline=${BENCH_BASELINE_BUILD:-}
[ -z "$baseline" ] || [ -x "$baseline/bench/download_bench" ] ||
    { echo "$baseline/bench/download_bench is missing (cmake --build $baseline --target download_bench)" >&2; exit 1; }
worst=0; p99=0
# Each round's rates (MiB/s), one "name rate" line each, for the summary.
rates="$work/rates"
rate_of() { python3 -c "print($size_mib / ($1))"; }
# One copy by an engine: its rate goes to the variable named first, the build
# folder comes second; "nohash" after them turns hashing off. The event
# loop's delays come from this build's hashing runs.
engine_run() {
    local into=$1 from=$2
    shift 2
    rm -f "$work/out/"*
    local result
    result=$(QT_LOGGING_RULES="*.debug=false" "$from/bench/download_bench" "$url" "$work/out/engine.iso" "$ca" "$@")
    cmp -s "$work/root/bench.iso" "$work/out/engine.iso" || { echo "engine copy differs" >&2; exit 1; }
    if [ $# -eq 0 ] && [ "$from" = "$build" ]; then
        worst=$(python3 -c "print(max($worst, $(sed -E 's/.*worst_ms=([0-9.]+).*/\1/' <<<"$result")))")
        p99=$(python3 -c "print(max($p99, $(sed -E 's/.*p99_ms=([0-9.]+).*/\1/' <<<"$result")))")
    fi
    printf -v "$into" '%s' "$(rate_of "$(sed -E 's/seconds=([0-9.]+).*/\1/' <<<"$result")")"
}
# A first copy, not counted: the first run after the file was made met a
# machine still busy with it and always came out slowest, whichever went first.
curl -s --cacert "$ca" -o "$work/out/curl.iso" "$url"
for round in $(seq "$rounds"); do
    # Which of the two goes first alternates, so that neither always meets
    # the machine as the other left it.
    if ((round % 2)); then
        engine_run engine "$build"; engine_run nohash "$build" nohash
    else
        engine_run nohash "$build" nohash; engine_run engine "$build"
    fi
    rm -f "$work/out/"*
    start=$(now)
    curl -s --cacert "$ca" -o "$work/out/curl.iso" "$url"
    curl=$(rate_of "$(now) - $start")
    # The engine's file is on the device when it reports it finished; curl's
    # is in the page cache. The same promise from curl costs a flush.
    sync -d "$work/out/curl.iso"
    synced=$(rate_of "$(now) - $start")
    printf 'round %d: engine %.0f MiB/s, engine without hashing %.0f MiB/s, curl %.0f MiB/s, curl then sync %.0f MiB/s\n' \
        "$round" "$engine" "$nohash" "$curl" "$synced"
    printf 'engine %s\nnohash %s\ncurl %s\nsynced %s\n' "$engine" "$nohash" "$curl" "$synced" >> "$rates"
    if [ -n "$baseline" ]; then
        engine_run old "$baseline"; engine_run old_nohash "$baseline" nohash
        printf 'round %d: baseline engine %.0f MiB/s, without hashing %.0f MiB/s\n' "$round" "$old" "$old_nohash"
        printf 'old %s\nold_nohash %s\n' "$old" "$old_nohash" >> "$rates"
    fi
done
# Best of the rounds, and the median of the rounds' own ratios: one slow or
# fast round moves the first, hardly the second.
python3 - "$rates" "$rounds" <<'EOF'
import statistics, sys
rates = {}
for line in open(sys.argv[1]):
    name, rate = line.split()
    rates.setdefault(name, []).append(float(rate))
def show(label, top, bottom):
    if top in rates:
        best = max(rates[top]) / max(rates[bottom])
        median = statistics.median(a / b for a, b in zip(rates[top], rates[bottom]))
        print("%s throughput ratio: %.2f best of %s, %.2f median of the rounds" % (label, best, sys.argv[2], median))
show("engine/curl", "engine", "curl")
show("engine/(curl then sync)", "engine", "synced")
show("hashing/not hashing", "engine", "nohash")
show("baseline engine/curl", "old", "curl")
show("baseline hashing/not hashing", "old", "old_nohash")
show("engine/baseline engine", "engine", "old")
EOF
printf 'event loop delay during engine runs: worst %.0f ms, 99th percentile %.0f ms\n' "$worst" "$p99"
