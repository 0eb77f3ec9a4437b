# Sourced by the benchmarks: start_nginx ROOT starts tests/servers/nginx_server.py
# serving ROOT for as long as the calling script runs (its stdin is a fifo in
# $work held open on descriptor 8; closing 8 stops it) and sets https_port and
# ca (the test CA's certificate). Needs $repo and $work.
start_nginx() {
    mkfifo "$work/nginx-keep"
    python3 "$repo/tests/servers/nginx_server.py" --root "$1" < "$work/nginx-keep" > "$work/nginx-ready" &
    exec 8> "$work/nginx-keep"
    for _ in $(seq 100); do grep -q '^READY' "$work/nginx-ready" 2>/dev/null && break; sleep 0.1; done
    local ready
    ready=$(grep '^READY' "$work/nginx-ready") || { echo "nginx did not start" >&2; exit 1; }
    https_port=$(sed -E 's/.* https=([0-9]+).*/\1/' <<<"$ready")
    ca=$(sed -E 's/.* ca=([^ ]+).*/\1/' <<<"$ready")
}
