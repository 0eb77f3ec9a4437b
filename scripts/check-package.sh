#!/usr/bin/env bash
# Installs the Debian package (the newest dist/travonix_*.deb, or the file
# given) into a throwaway Debian 12 root with apt-get, the way a user would,
# and checks that it runs there: --version, --help, the desktop entry and its
# icons, and a whole link request against the download-page replica on
# 127.0.0.1. With --make-package it runs scripts/package.sh first (the CTest
# entry does, with $TRAVONIX_PACKAGE_BUILD_DIR and $TRAVONIX_DIST_DIR in the
# build tree).
#
# The pristine root (debootstrap, minbase), apt's lists (refreshed once a day)
# and its downloads are kept under $TRAVONIX_CHECK_CACHE (default
# /var/tmp/travonix-check-package), so only the first run pays for them.
# Exits 77, after saying why, where it cannot run.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${TRAVONIX_CHECK_CACHE:-/var/tmp/travonix-check-package}
suite=bookworm

skip() {
  echo "check-package: skipped: $*" >&2
  exit 77
}
fail() {
  echo "check-package: FAILED: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || fail "debootstrap is missing: run scripts/setup-deps.sh"

dist=${TRAVONIX_DIST_DIR:-$repo/dist}
deb=${1:-}
if [ "$deb" = --make-package ]; then
  "$repo/scripts/package.sh" || fail "scripts/package.sh"
  deb=
fi
if [ -z "$deb" ]; then
  deb=$(ls -t "$dist"/travonix_*.deb 2>/dev/null | head -n 1 || true)
  [ -n "$deb" ] || fail "no travonix_*.deb in $dist: run scripts/package.sh first"
fi
[ -f "$deb" ] || fail "$deb does not exist"

# The machine's own Debian mirror: the one apt here uses for $suite.
debian_uri() {
  local wanted=$1
  if [ -n "${TRAVONIX_DEBIAN_MIRROR:-}" ] && [ "$wanted" = "$suite" ]; then
    echo "$TRAVONIX_DEBIAN_MIRROR"
    return
  fi
  cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v want="$wanted" '
    /^URIs:/ { uri = $2 }
    /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == want) found = uri }
    /^$/ { uri = "" }
    END { if (found) print found }'
  grep -hE "^deb +(\[[^]]*\] +)?[a-z]+://[^ ]+ +$wanted( |$)" /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    2>/dev/null | sed -E 's/^deb +(\[[^]]*\] +)?//' | awk '{ print $1 }' || true
}
mirror=$(debian_uri "$suite" | head -n 1)
security=$(debian_uri "$suite-security" | head -n 1)
[ -n "$mirror" ] || fail "no Debian mirror for $suite in /etc/apt/sources.list*; set TRAVONIX_DEBIAN_MIRROR"

base=$cache/$suite-base
make_base() {
  echo "check-package: making a pristine Debian 12 root in $base (once)"
  rm -rf --one-file-system "$base.new"
  debootstrap --variant=minbase "$suite" "$base.new" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    fail "debootstrap failed, see $cache/debootstrap.log"
  {
    echo "deb $mirror $suite main"
    echo "deb $mirror $suite-updates main"
    [ -z "$security" ] || echo "deb $security $suite-security main"
  } >"$base.new/etc/apt/sources.list"
  # A root in a chroot starts no services.
  printf '#!/bin/sh\nexit 101\n' >"$base.new/usr/sbin/policy-rc.d"
  chmod 755 "$base.new/usr/sbin/policy-rc.d"
  mv "$base.new" "$base"
}
mkdir -p "$cache/archives/partial" "$cache/lists/partial"
[ -d "$base" ] || make_base

scratch=$(mktemp -d "$cache/root.XXXXXX")
root=$scratch/fs
mounts=()
cleanup() {
  local status=$?
  [ -z "${replica_work:-}" ] || stop_replica
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount -R "${mounts[i]}" 2>/dev/null || umount -lR "${mounts[i]}" 2>/dev/null || true
  done
  # Never delete through a mount that is still there.
  if findmnt -rn -o TARGET | grep -qF "$scratch"; then
    echo "check-package: $scratch still has mounts; left in place" >&2
  else
    rm -rf --one-file-system "$scratch"
  fi
  exit "$status"
}
trap cleanup EXIT
# Killed (a CTest time-out, Ctrl-C): still unmount and remove.
trap 'exit 143' TERM
trap 'exit 130' INT

mount_into() { # mount_into <path in root> <mount arguments...>
  local target=$root$1
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounts+=("$target")
}

started=$SECONDS
# A copy-on-write layer over the pristine root where the kernel allows it, a copy otherwise.
mkdir -p "$scratch/upper" "$scratch/work" "$root"
if mount -t overlay overlay -o "lowerdir=$base,upperdir=$scratch/upper,workdir=$scratch/work" "$root" 2>/dev/null; then
  mounts+=("$root")
else
  cp -a "$base/." "$root/"
fi
mount_into /proc -t proc proc
mount_into /dev --rbind /dev
mount --make-rslave "$root/dev"
mount_into /sys --rbind /sys
mount --make-rslave "$root/sys"
mount_into /var/cache/apt/archives --bind "$cache/archives"
mount_into /var/lib/apt/lists --bind "$cache/lists"
cp /etc/resolv.conf "$root/etc/resolv.conf"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "check-package: installing $(basename "$deb") with apt-get"
cp "$deb" "$root/tmp/"
update_lists() {
  in_root apt-get update -q >>"$root/tmp/apt.log" 2>&1 || { cat "$root/tmp/apt.log"; fail "apt-get update"; }
  touch "$cache/lists.stamp"
}
# Without recommended packages: what the package depends on must be enough.
install_package() {
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "/tmp/$(basename "$deb")" >>"$root/tmp/apt.log" 2>&1
}
if [ -z "$(find "$cache/lists.stamp" -mmin -1440 2>/dev/null)" ]; then
  update_lists
  install_package || { tail -n 40 "$root/tmp/apt.log"; fail "apt-get install"; }
elif ! install_package; then
  # Lists of less than a day may still name a version the mirror has replaced.
  update_lists
  install_package || { tail -n 40 "$root/tmp/apt.log"; fail "apt-get install"; }
fi
echo "check-package: installed in $((SECONDS - started)) s"

run_app() { # run_app <arguments...>: the installed program, off any display, bounded
  in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime timeout --kill-after=5 60 travonix "$@"
}
mkdir -p -m 700 "$root/tmp/runtime"

expected_version="Travonix $(dpkg-deb --field "$deb" Version | sed 's/-[^-]*$//')"
version=$(run_app --version 2>/dev/null) || fail "travonix --version exited with $?"
[ "$version" = "$expected_version" ] || fail "travonix --version said \"$version\", not \"$expected_version\""
help=$(run_app --help 2>/dev/null) || fail "travonix --help exited with $?"
grep -q -- "--origin" <<<"$help" || fail "travonix --help does not list --origin: $help"

desktop=$root/usr/share/applications/travonix.desktop
[ -f "$desktop" ] || fail "no desktop entry at /usr/share/applications/travonix.desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
in_root sh -c "command -v '$exec_name'" >/dev/null || fail "the desktop entry starts $exec_name, which is not on PATH"
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"

echo "check-package: --version, --help, desktop entry and icons fine after $((SECONDS - started)) s"

# A whole request against the replica on this machine's loopback, which the
# chroot shares: the web engine, libcurl, the SHA-256 check and the log
# library (found through the RUNPATH) as installed.
# shellcheck source=replica.sh
. "$repo/scripts/replica.sh"
start_replica
trap cleanup EXIT
url=$(run_app --url --product win11 --origin "$replica_origin" 2>"$root/tmp/url.err") ||
  fail "travonix --url exited with $?: $(cat "$root/tmp/url.err")"
case $url in
  "$replica_origin"/dbazure/*.iso\?*) ;;
  *) fail "travonix --url printed \"$url\", not a link to the replica's ISO" ;;
esac
mkdir -p "$root/tmp/download"
run_app --download --quiet --product win11 --origin "$replica_origin" --output /tmp/download/Win11.iso \
  2>"$root/tmp/download.err" || fail "travonix --download exited with $?: $(cat "$root/tmp/download.err")"
[ -s "$root/tmp/download/Win11.iso" ] || fail "travonix --download left no ISO"
[ -s "$root/root/.local/state/travonix/travonix.log" ] || fail "the installed program wrote no log: libLog.so not found"

echo "check-package: passed in $((SECONDS - started)) s"
