#!/usr/bin/env bash
# Fails when a commit made since the base has a subject longer than 72
# characters (CONTRIBUTING.md, "Commits"); lists those commits. Older history
# is left as it is.
#
#   tests/check_commit_subjects.sh [REPOSITORY [BASE]]
#
# A tree that is not a git checkout, or a clone without the base (a shallow
# one, or an export), has nothing to check: it passes with a note.
set -euo pipefail
# The last commit before the rule was checked.
default_base=9deabdb89985df89959e1d38dfe94df6a9e24642
repo=${1:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"}
base=${2:-$default_base}
limit=72
# Characters, not bytes, whatever the caller's locale.
export LC_ALL=C.UTF-8

if ! git -C "$repo" rev-parse --git-dir > /dev/null 2>&1; then
    echo "note: $repo is not a git checkout; no commit subjects to check"
    exit 0
fi
if ! git -C "$repo" cat-file -e "$base^{commit}" 2> /dev/null; then
    echo "note: the base commit $base is not in this clone; no commit subjects to check"
    exit 0
fi

long=()
while IFS= read -r -d '' entry; do
    hash=${entry%%$'\t'*}
    subject=${entry#*$'\t'}
    [ "${#subject}" -le "$limit" ] || long+=("${hash:0:12} (${#subject}): $subject")
done < <(git -C "$repo" log -z --format='%H%x09%s' "$base..HEAD")
if [ ${#long[@]} -gt 0 ]; then
    echo "Commit subjects longer than $limit characters (git commit --amend, or git rebase -i):" >&2
    printf '  %s\n' "${long[@]}" >&2
    exit 1
fi
