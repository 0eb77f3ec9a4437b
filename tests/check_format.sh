#!/usr/bin/env bash
# Fails when a C++ file of the tree is not as clang-format, with the
# .clang-format at the root, would write it; lists those files.
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
command -v clang-format > /dev/null || { echo "clang-format is not installed (scripts/setup-deps.sh)" >&2; exit 1; }
unformatted=()
while IFS= read -r -d '' file; do
    clang-format --dry-run -Werror "$file" > /dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'Not formatted (clang-format -i %s):\n' "${unformatted[*]}" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
