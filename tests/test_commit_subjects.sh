#!/usr/bin/env bash
# tests/check_commit_subjects.sh against throwaway repositories, one per row:
# the commits before the base, the commits after it, and whether the check
# passes.
set -euo pipefail
check="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/check_commit_subjects.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export GIT_CEILING_DIRECTORIES=$work GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1
export GIT_AUTHOR_NAME=Tester GIT_AUTHOR_EMAIL=tester@example.invalid
export GIT_COMMITTER_NAME=Tester GIT_COMMITTER_EMAIL=tester@example.invalid

repeat() { printf "%$2s" '' | sed "s/ /$1/g"; }
s72=$(repeat a 72)
s73=$(repeat a 73)
# 72 characters of two bytes each: the limit counts characters.
u72=$(repeat é 72)
u73=$(repeat é 73)

# name | subjects before the base | subjects after it (";" between) | base | passes
rows=(
    "short subjects|Start|Add the window;Fix the title|present|yes"
    "exactly 72 characters|Start|$s72|present|yes"
    "73 characters|Start|Add the window;$s73|present|no"
    "72 characters outside ASCII|Start|$u72|present|yes"
    "73 characters outside ASCII|Start|$u73|present|no"
    "long subject before the base|$s73|Add the window|present|yes"
    "long subject, base not in the clone|Start|$s73|missing|yes"
    "long subject, no git checkout|Start|$s73|none|yes"
    "nothing since the base|Start||present|yes"
)

commit_all() {
    local subject
    IFS=';' read -r -a subjects <<< "$2"
    for subject in ${subjects[@]+"${subjects[@]}"}; do
        git -C "$1" commit -q --allow-empty -m "$subject" -m "The body may be as long as it likes: $s73$s73"
    done
}

failures=0
n=0
for row in "${rows[@]}"; do
    IFS='|' read -r name before after base passes <<< "$row"
    n=$((n + 1))
    repo=$work/$n
    mkdir "$repo"
    git -C "$repo" init -q
    commit_all "$repo" "$before"
    base_commit=$(git -C "$repo" rev-parse HEAD)
    commit_all "$repo" "$after"
    case $base in
        missing) base_commit=0000000000000000000000000000000000000001 ;;
        none) rm -rf "$repo/.git" ;;
    esac
    status=0
    "$check" "$repo" "$base_commit" > "$work/out" 2>&1 || status=$?
    if { [ "$passes" = yes ] && [ $status -ne 0 ]; } || { [ "$passes" = no ] && [ $status -ne 1 ]; }; then
        echo "FAIL: $name: exit code $status, expected to pass: $passes" >&2
        sed 's/^/    /' "$work/out" >&2
        failures=$((failures + 1))
    else
        echo "PASS: $name"
    fi
done
[ $failures -eq 0 ]
