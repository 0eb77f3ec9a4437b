# Sourced by the scripts that show the app against the local page replica.
# start_replica runs it for as long as the calling script does and sets
# replica_origin; it needs $repo.

start_replica() {
    replica_work=$(mktemp -d)
    mkfifo "$replica_work/keep"
    python3 "$repo/tests/servers/vendor_replica.py" < "$replica_work/keep" > "$replica_work/out" &
    # The replica serves for as long as this stays open.
    exec 8> "$replica_work/keep"
    trap stop_replica EXIT
    for _ in $(seq 100); do
        grep -q '^PORT ' "$replica_work/out" 2>/dev/null && break
        sleep 0.1
    done
    local port
    port=$(sed -n 's/^PORT //p' "$replica_work/out" | head -n 1)
    [ -n "$port" ] || { echo "the page replica did not start" >&2; exit 1; }
    replica_origin="http://127.0.0.1:$port"
}

stop_replica() {
    exec 8>&- 2>/dev/null || true
    wait || true
    rm -rf "$replica_work"
}
