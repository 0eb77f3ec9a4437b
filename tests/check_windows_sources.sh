#!/usr/bin/env bash
# Compiles the Qt-free Windows sources against the MinGW-w64 Windows headers,
# so that Win32 mistakes show up on a Linux build machine too.
# Usage: tests/check_windows_sources.sh [extra source files...]
# Extra files are taken relative to the current directory or the repo root.
set -euo pipefail

script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_root="$(cd "${script_dir}/.." && pwd)"
# The posix flavour has std::thread and std::mutex, as every real Windows
# toolchain does.
compiler="${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}"

if ! command -v "${compiler}" >/dev/null 2>&1; then
    echo "check_windows_sources: compiler '${compiler}' not found (install mingw-w64)" >&2
    exit 2
fi

sources=()
for extra in "$@"; do
    if [[ -f "${extra}" ]]; then
        sources+=("$(cd "$(dirname "${extra}")" && pwd)/$(basename "${extra}")")
    elif [[ -f "${repo_root}/${extra}" ]]; then
        sources+=("${repo_root}/${extra}")
    else
        echo "check_windows_sources: no such file: ${extra}" >&2
        exit 2
    fi
done
# The platform layer and the download engine's file calls (the rest of the
# engine is Qt code, for which there is no mingw Qt here).
sources=("${repo_root}/platform/Platform.cpp" "${repo_root}/platform/win/Platform.cpp"
         "${repo_root}/download/PartFileIo.cpp" "${sources[@]+"${sources[@]}"}")

# Same language level, warnings and character-set macros as the real build.
flags=(-std=c++17 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
       -DUNICODE -D_UNICODE
       -I "${repo_root}" -I "${repo_root}/platform")

failed=0
for source in "${sources[@]}"; do
    if [[ ! -f "${source}" ]]; then
        echo "FAIL ${source} (missing)" >&2
        failed=1
        continue
    fi
    if "${compiler}" "${flags[@]}" "${source}"; then
        echo "ok   ${source#"${repo_root}/"}"
    else
        echo "FAIL ${source#"${repo_root}/"}" >&2
        failed=1
    fi
done

if (( failed )); then
    echo "check_windows_sources: some Windows sources do not compile" >&2
    exit 1
fi
echo "check_windows_sources: all ${#sources[@]} files compile for Windows"
