#!/usr/bin/env bash
# Downloads a 2 GiB file over HTTPS from nginx on loopback with the engine
# (which computes the file's SHA-256 as it goes), with the engine told not to
# hash, and with curl's command line, in turn, and prints the throughput
# ratios engine/curl, engine/(curl then sync: the file on the device, as the
# engine has it when it finishes) and hashing/not hashing, and the event
# loop's delays during the engine's runs.
# Usage: bench/download_bench.sh [rounds]   (default 5)
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
engine_best=0; nohash_best=0; curl_best=0; synced_best=0; worst=0; p99=0
# One copy by the engine: its time goes to the variable named first; "nohash"
# after it turns hashing off. The event loop's delays come from the hashing
# runs.
engine_run() {
    local into=$1
    shift
    rm -f "$work/out/"*
    local result
    result=$(QT_LOGGING_RULES="*.debug=false" "$build/bench/download_bench" "$url" "$work/out/engine.iso" "$ca" "$@")
    cmp -s "$work/root/bench.iso" "$work/out/engine.iso" || { echo "engine copy differs" >&2; exit 1; }
    if [ $# -eq 0 ]; then
        worst=$(python3 -c "print(max($worst, $(sed -E 's/.*worst_ms=([0-9.]+).*/\1/' <<<"$result")))")
        p99=$(python3 -c "print(max($p99, $(sed -E 's/.*p99_ms=([0-9.]+).*/\1/' <<<"$result")))")
    fi
    printf -v "$into" '%s' "$(sed -E 's/seconds=([0-9.]+).*/\1/' <<<"$result")"
}
for round in $(seq "$rounds"); do
    # Which of the two goes first alternates, so that neither always meets
    # the machine as the other left it.
    if ((round % 2)); then
        engine_run engine_time; engine_run nohash_time nohash
    else
        engine_run nohash_time nohash; engine_run engine_time
    fi
    engine_rate=$(python3 -c "print($size_mib / $engine_time)")
    nohash_rate=$(python3 -c "print($size_mib / $nohash_time)")
    rm -f "$work/out/"*
    start=$(now)
    curl -s --cacert "$ca" -o "$work/out/curl.iso" "$url"
    curl_rate=$(python3 -c "print($size_mib / ($(now) - $start))")
    # The engine's file is on the device when it reports it finished; curl's
    # is in the page cache. The same promise from curl costs a flush.
    sync -d "$work/out/curl.iso"
    synced_rate=$(python3 -c "print($size_mib / ($(now) - $start))")
    printf 'round %d: engine %.0f MiB/s, engine without hashing %.0f MiB/s, curl %.0f MiB/s, curl then sync %.0f MiB/s\n' \
        "$round" "$engine_rate" "$nohash_rate" "$curl_rate" "$synced_rate"
    engine_best=$(python3 -c "print(max($engine_best, $engine_rate))")
    nohash_best=$(python3 -c "print(max($nohash_best, $nohash_rate))")
    curl_best=$(python3 -c "print(max($curl_best, $curl_rate))")
    synced_best=$(python3 -c "print(max($synced_best, $synced_rate))")
done
python3 -c "print('engine/curl throughput ratio (best of $rounds): %.2f' % ($engine_best / $curl_best))"
python3 -c "print('engine/(curl then sync) throughput ratio (best of $rounds): %.2f' % ($engine_best / $synced_best))"
python3 -c "print('hashing/not hashing throughput ratio (best of $rounds): %.2f' % ($engine_best / $nohash_best))"
printf 'event loop delay during engine runs: worst %.0f ms, 99th percentile %.0f ms\n' "$worst" "$p99"
