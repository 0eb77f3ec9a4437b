#!/usr/bin/env bash
# Builds the Debian package into dist/ (or $TRAVONIX_DIST_DIR) with CPack and
# checks it with lintian. Arguments go to CMake's configure step. The build
# tree is build-package/ (or $TRAVONIX_PACKAGE_BUILD_DIR), apart from build/
# because it is configured for /usr, with Debian's flags and without tests.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${TRAVONIX_PACKAGE_BUILD_DIR:-$repo/build-package}
dist=${TRAVONIX_DIST_DIR:-$repo/dist}

"$repo/scripts/setup-deps.sh"

# The changelog, the manual page and the AppStream release carry the commit's
# date, not the build's, so a rebuild of one commit gives the same files.
SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH
# Debian's hardening flags, all of them, as debhelper would pass them. Given
# on the command line, not through the environment, because CMake reads the
# environment only on a tree's first configure; and it reads no CPPFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The About box shows the build date (__DATE__); GCC takes it from
# SOURCE_DATE_EPOCH, so the build stays reproducible and -Wdate-time has
# nothing to warn about.
export DEB_CPPFLAGS_MAINT_STRIP=-Wdate-time
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DTRAVONIX_MAN_PAGE=ON \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
  "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/travonix_*.deb
(cd "$build" && cpack -G DEB)

mkdir -p "$dist"
rm -f "$dist"/travonix_*.deb
mv "$build"/travonix_*.deb "$dist"/
deb=$(ls "$dist"/travonix_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

# What remains is explained in README.md, "Installing".
lintian --info --fail-on error,warning "$deb"
