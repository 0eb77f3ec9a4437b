#!/usr/bin/env bash
# Several connections for one file, all in one run:
# - against the fault server holding each connection to 4 MB/s (plain
#   HTTP/1.1, 300 MB): the engine with 8 connections against aria2c with 4
#   and with 8, and (first round only) the engine with one connection for
#   reference;
# - against nginx over HTTPS without a cap (2 GiB): the engine with 8
#   connections against the engine with one, how long after the last byte
#   the verified file was reported finished, how late the event loop ran
#   and the peak memory of each.
# Every copy is checked byte for byte. Throughput ratios are of the best of
# the rounds; the nginx one also the median of the rounds' own.
# Usage: bench/segments_bench.sh [rounds]   (default 1; an even count lets
# each go first as often)
# BENCH_CAPPED_MB (300), BENCH_CAP_RATE (bytes/s, 4000000) and BENCH_SIZE_MIB
# (2048) change the sizes and the cap; BENCH_DIR where the copies go.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_BUILD_DIR:-$repo/build}
rounds=${1:-1}
capped_bytes=$((${BENCH_CAPPED_MB:-300} * 1000 * 1000))
cap_rate=${BENCH_CAP_RATE:-4000000}
size_mib=${BENCH_SIZE_MIB:-2048}
connections=8 # the product's default

command -v aria2c >/dev/null || { echo "aria2c is missing (scripts/setup-deps.sh installs it)" >&2; exit 1; }
cmake --build "$build" --target download_bench >/dev/null
work=$(mktemp -d -p "${BENCH_DIR:-${TMPDIR:-/tmp}}")
cleanup() { exec 7>&- 8>&- 2>/dev/null || true; wait || true; rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$work/root" "$work/out"
head -c $((size_mib * 1024 * 1024)) /dev/urandom > "$work/root/bench.iso"
python3 "$repo/tests/servers/fault_server.py" --write-body "$capped_bytes" "$work/capped.iso"

. "$repo/bench/nginx.sh"
start_nginx "$work/root"
tls_url="https://127.0.0.1:$https_port/bench.iso"

mkfifo "$work/fault-keep"
python3 "$repo/tests/servers/fault_server.py" < "$work/fault-keep" > "$work/fault-out" &
exec 7> "$work/fault-keep"
for _ in $(seq 100); do grep -q '^PORT' "$work/fault-out" 2>/dev/null && break; sleep 0.1; done
fault_port=$(sed -n 's/^PORT //p' "$work/fault-out")
[ -n "$fault_port" ] || { echo "the fault server did not start" >&2; exit 1; }
echo "cap $cap_rate" >&7
for _ in $(seq 100); do grep -q "^OK cap" "$work/fault-out" && break; sleep 0.1; done
grep -q "^OK cap" "$work/fault-out" || { echo "the fault server took no cap" >&2; exit 1; }
capped_url="http://127.0.0.1:$fault_port/file/capped.iso?size=$capped_bytes"

now() { date +%s.%N; }
best() { python3 -c "print(max(${1:-0}, $2))"; }
# run_engine URL REFERENCE CONNECTIONS [CA]: one copy by the engine, checked;
# sets rate (MB/s, 10^6), verdict_ms, rss_kib, worst_ms and p99_ms (how late
# the event loop ran).
run_engine() {
    rm -f "$work/out/"*
    local start result
    start=$(now)
    result=$(QT_LOGGING_RULES="*.debug=false" "$build/bench/download_bench" "$1" "$work/out/engine.iso" \
        ${4:+"$4"} "connections=$3")
    rate=$(python3 -c "print($(stat -c %s "$2") / 1e6 / ($(now) - $start))")
    cmp -s "$2" "$work/out/engine.iso" || { echo "engine copy differs" >&2; exit 1; }
    verdict_ms=$(sed -E 's/.*verdict_ms=(-?[0-9]+).*/\1/' <<<"$result")
    rss_kib=$(sed -E 's/.*maxrss_kib=([0-9]+).*/\1/' <<<"$result")
    worst_ms=$(sed -E 's/.*worst_ms=([0-9]+).*/\1/' <<<"$result")
    p99_ms=$(sed -E 's/.*p99_ms=([0-9]+).*/\1/' <<<"$result")
}
# run_aria2 SPLIT: one copy of the capped file by aria2c; sets rate.
run_aria2() {
    rm -f "$work/out/"*
    local start
    start=$(now)
    aria2c -q -x"$1" -s"$1" --file-allocation=none -d "$work/out" -o aria2.iso "$capped_url"
    rate=$(python3 -c "print($capped_bytes / 1e6 / ($(now) - $start))")
    cmp -s "$work/capped.iso" "$work/out/aria2.iso" || { echo "aria2c copy differs" >&2; exit 1; }
}

capped_many=0; capped_one=0; aria4=0; aria8=0; tls_many=0; tls_one=0
verdict_many=0; verdict_one=0; rss_many=0; rss_one=0; tls_ratios=""
worst_many=0; p99_many=0; worst_one=0; p99_one=0
for round in $(seq "$rounds"); do
    run_engine "$capped_url" "$work/capped.iso" "$connections"; capped_many=$(best $capped_many "$rate")
    printf 'round %d, capped at %s B/s per connection: engine %d connections %.1f MB/s' \
        "$round" "$cap_rate" "$connections" "$rate"
    run_aria2 4; aria4=$(best $aria4 "$rate"); printf ', aria2c -x4 %.1f MB/s' "$rate"
    run_aria2 8; aria8=$(best $aria8 "$rate"); printf ', aria2c -x8 %.1f MB/s' "$rate"
    # One connection under the cap is there for reference and takes over a
    # minute: the first round only.
    if [ "$round" = 1 ]; then
        run_engine "$capped_url" "$work/capped.iso" 1; capped_one=$rate
        printf ', engine 1 connection %.1f MB/s' "$rate"
    fi
    echo

    # A copy, not counted, between the capped runs and the timed ones: the
    # first 2 GiB copy after the capped runs came out slowest in five rounds
    # of six, whichever engine went first.
    curl -s --cacert "$ca" -o "$work/out/curl.iso" "$tls_url"
    # Which of the two goes first alternates, so that neither always meets
    # the machine as the other left it.
    order="$connections 1"
    ((round % 2)) || order="1 $connections"
    for count in $order; do
        run_engine "$tls_url" "$work/root/bench.iso" "$count" "$ca"
        if [ "$count" = 1 ]; then
            tls_one=$(best $tls_one "$rate"); tls_one_rate=$rate
            verdict_one=$(best $verdict_one "$verdict_ms"); rss_one=$(best $rss_one "$rss_kib")
            worst_one=$(best $worst_one "$worst_ms"); p99_one=$(best $p99_one "$p99_ms")
        else
            tls_many=$(best $tls_many "$rate"); tls_many_rate=$rate
            verdict_many=$(best $verdict_many "$verdict_ms"); rss_many=$(best $rss_many "$rss_kib")
            worst_many=$(best $worst_many "$worst_ms"); p99_many=$(best $p99_many "$p99_ms")
        fi
        printf 'round %d, nginx over HTTPS: engine %d connection(s) %.0f MB/s (verdict %d ms after the last byte, peak %d MiB)\n' \
            "$round" "$count" "$rate" "$verdict_ms" $((rss_kib / 1024))
    done
    tls_ratios="$tls_ratios $(python3 -c "print($tls_many_rate / $tls_one_rate)")"
done
python3 - <<EOF
print("capped: engine %d connections / aria2c -x4 -s4 (best of $rounds): %.2f (goal >= 1.0)" % ($connections, $capped_many / $aria4))
print("capped: engine %d connections / aria2c -x8 -s8 (best of $rounds): %.2f (goal >= 1.0)" % ($connections, $capped_many / $aria8))
print("capped: engine 1 connection (first round): %.1f MB/s" % $capped_one)
import statistics
print("nginx: engine %d connections / engine 1 connection: %.2f best of $rounds, %.2f median of the rounds (goal >= 0.95)"
      % ($connections, $tls_many / $tls_one, statistics.median([$(echo $tls_ratios | tr ' ' ',')])))
print("nginx: verdict after the last byte, engine %d connections (worst of $rounds): %d ms (goal <= 1000); 1 connection: %d ms" % ($connections, $verdict_many, $verdict_one))
print("nginx: event loop delay, engine %d connections (worst of $rounds): worst %d ms, 99th percentile %d ms (goal <= 50); 1 connection: %d ms, %d ms"
      % ($connections, $worst_many, $p99_many, $worst_one, $p99_one))
print("nginx: peak memory, engine %d connections - engine 1 connection (highest of $rounds): %+d MiB (goal <= 64)" % ($connections, round(($rss_many - $rss_one) / 1024)))
EOF
