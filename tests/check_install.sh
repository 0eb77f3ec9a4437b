#!/usr/bin/env bash
# Installs a build tree into a scratch folder and checks what the loader, the
# desktop and the software centres look for there.
#   check_install.sh <build dir> <bin dir> <private lib dir> <data dir> <man dir> <man page ON|OFF>
# (the directories relative to the install prefix, as GNUInstallDirs gives them)
set -euo pipefail
build=$1 bindir=$2 libdir=$3 datadir=$4 mandir=$5 manpage=$6
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix /opt/travonix-check >/dev/null
root=$stage/opt/travonix-check

# path | what it must be
expected=(
  "$bindir/travonix|executable"
  "$libdir/libLog.so|library"
  "$datadir/applications/travonix.desktop|desktop entry"
  "$datadir/metainfo/com.zamrel.travonix.metainfo.xml|metainfo"
  "$datadir/icons/hicolor/scalable/apps/travonix.svg|svg"
)
for size in 16 32 48 64 128 256; do
  expected+=("$datadir/icons/hicolor/${size}x${size}/apps/travonix.png|png ${size} x ${size}")
done
[ "$manpage" = OFF ] || expected+=("$mandir/man1/travonix.1.gz|manual page")

for row in "${expected[@]}"; do
  path=$root/${row%%|*} kind=${row#*|}
  if [ ! -f "$path" ]; then
    fail "${row%%|*} is not installed"
    continue
  fi
  case $kind in
    executable) [ -x "$path" ] || fail "$path is not executable" ;;
    library) file -L "$path" | grep -q "ELF.*shared object" || fail "$path is not a shared library" ;;
    "desktop entry") desktop-file-validate "$path" || fail "$path does not validate" ;;
    metainfo) appstreamcli validate --no-net --pedantic "$path" >/dev/null || fail "$path does not validate" ;;
    svg) grep -q "<svg" "$path" || fail "$path is not an SVG picture" ;;
    png*) file "$path" | grep -q "PNG image data, ${kind#png }," || fail "$path is not a ${kind#png } PNG" ;;
    "manual page") gzip -dc "$path" | grep -q '^\.TH TRAVONIX' || fail "$path is not the travonix manual page" ;;
  esac
done

# The executable finds the log library through its RUNPATH, wherever the tree goes.
found_log=no
for entry in $(readelf -d "$root/$bindir/travonix" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p' | tr ':' ' '); do
  [ -f "${entry/\$ORIGIN/$root/$bindir}/libLog.so" ] && found_log=yes
done
[ $found_log = yes ] || fail "the installed executable's RUNPATH does not lead to libLog.so"
# Both trees' executables start, from a working folder of their own.
for program in "$root/$bindir/travonix" "$build/bin/travonix"; do
  (cd "$stage" && "$program" --version) | grep -q '^Travonix ' || fail "$program --version does not run"
done

# What the desktop entry and the metainfo name must be what is installed.
desktop=$root/$datadir/applications/travonix.desktop
icon=$(sed -n 's/^Icon=//p' "$desktop")
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -f "$root/$datadir/icons/hicolor/256x256/apps/$icon.png" ] || fail "the desktop entry's icon \"$icon\" is not installed"
[ -x "$root/$bindir/$program" ] || fail "the desktop entry starts \"$program\", which is not installed"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
  "$root/$datadir/metainfo/com.zamrel.travonix.metainfo.xml")
[ -f "$root/$datadir/applications/$launchable" ] || fail "the metainfo launches \"$launchable\", which is not installed"

[ $failures -eq 0 ] || exit 1
echo "install layout: ${#expected[@]} files in place, RUNPATH, desktop entry and metainfo consistent"
