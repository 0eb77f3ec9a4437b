#!/usr/bin/env bash
# Starts and closes the window many times in a row under a virtual X
# display, then asks the local page replica for a link many times with the
# command line; any run that ends other than cleanly is a failure.
#
#   scripts/soak.sh [WINDOW_RUNS [LINK_RUNS]]     (default 100 and 20)
#
# The app comes from $TRAVONIX_BUILD_DIR (default build/), built beforehand.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
app=${TRAVONIX_BUILD_DIR:-$repo/build}/bin/travonix
window_runs=${1:-100}
link_runs=${2:-20}
[ -x "$app" ] || { echo "no $app: run scripts/build.sh first" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    stop_replica 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: the soak never touches the user's files or instance.
export HOME=$work/home XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

failures=0
fail() {
    failures=$((failures + 1))
    echo "$1" >&2
}

# One start: the window serves (its activation socket is there) and shows,
# then a polite stop ends it with status 0.
window_run() {
    local run=$1 pid status shown=no
    "$app" > "$work/out" 2> "$work/err" &
    pid=$!
    for _ in $(seq 300); do
        if [ -S "$XDG_RUNTIME_DIR/Travonix.activation" ] && xwininfo -root -tree 2>/dev/null | grep -q '"Travonix'; then
            shown=yes
            break
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -TERM "$pid" 2>/dev/null || true
    status=0
    wait "$pid" || status=$?
    if [ "$shown" != yes ] || [ "$status" -ne 0 ]; then
        fail "window run $run: shown $shown, exit status $status; $(tail -n 5 "$work/err")"
    fi
}

for run in $(seq "$window_runs"); do
    window_run "$run"
done
echo "window: $window_runs starts, $failures failed"

# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica
trap cleanup EXIT
before=$failures
for run in $(seq "$link_runs"); do
    status=0
    "$app" --url --product win11 --origin "$replica_origin" --delay-percent 10 > "$work/link" 2> "$work/err" \
        || status=$?
    if [ "$status" -ne 0 ] || [ "$(wc -l < "$work/link")" -ne 1 ]; then
        fail "link run $run: exit status $status; $(tail -n 5 "$work/err")"
    fi
done
echo "command line: $link_runs links, $((failures - before)) failed"
[ "$failures" -eq 0 ]
