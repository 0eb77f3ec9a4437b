#!/usr/bin/env bash
# Builds the Qt-free Windows code (the platform layer, the part file's calls),
# Log.dll and the Windows test program with mingw-w64, then runs the program
# under Wine in a Wine prefix made for this run (never the user's), so that
# the real Win32 calls answer.
# Exits 77 (skipped) only when Wine is not installed at all.
set -euo pipefail

script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_root="$(cd "${script_dir}/../.." && pwd)"
compiler="${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}"
# Debian's wine64 package keeps its programs out of PATH.
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

if [[ ! -x "${wine}" ]]; then
    echo "run_under_wine: SKIPPED, wine64 is not installed (scripts/setup-deps.sh installs it)"
    exit 77
fi
if ! command -v "${compiler}" >/dev/null 2>&1; then
    echo "run_under_wine: compiler '${compiler}' not found (install mingw-w64)" >&2
    exit 1
fi

work="$(mktemp -d)"
export WINEPREFIX="${work}/prefix" WINEDEBUG=-all
# No Mono or Gecko for a prefix that runs console programs only, and no
# windows on the desktop of whoever runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    "${wineserver}" -k >/dev/null 2>&1 || true
    rm -rf "${work}"
}
trap cleanup EXIT
mkdir -p "${WINEPREFIX}" "${work}/bin"

# Warnings as in the real build; the runtime goes into the files, since the
# prefix has no mingw DLLs.
flags=(-std=c++17 -O1 -Wall -Wextra -Wpedantic -Werror -DUNICODE -D_UNICODE -I "${repo_root}" -static)
"${wine}" wineboot -i >"${work}/wineboot.log" 2>&1 &
boot=$!
"${compiler}" "${flags[@]}" -shared -o "${work}/bin/Log.dll" "${repo_root}/logkit/LogFile.cpp" &
dll=$!
"${compiler}" "${flags[@]}" -o "${work}/bin/test_wine_platform.exe" "${script_dir}/test_wine_platform.cpp" \
    "${repo_root}/platform/Platform.cpp" "${repo_root}/platform/win/Platform.cpp" \
    "${repo_root}/download/PartFileIo.cpp" -ldwmapi
wait "${dll}"

# The cases run reg.exe through cmd.exe, as a person at the prompt would.
if ! wait "${boot}" || [[ ! -f "${WINEPREFIX}/drive_c/windows/system32/cmd.exe" ]]; then
    echo "run_under_wine: FAILED, Wine could not set up its prefix ${WINEPREFIX}:" >&2
    cat "${work}/wineboot.log" >&2
    exit 1
fi

cd "${work}/bin"
"${wine}" ./test_wine_platform.exe
