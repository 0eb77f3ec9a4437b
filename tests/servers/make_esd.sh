#!/usr/bin/env bash
# Makes a small ESD laid out as Microsoft's are, for tests:
#   make_esd.sh OUT.esd LABEL ARCH [EDITION_ID:NAME ...]
# Image 1 the setup media tree (boot files for BIOS and UEFI, of a sector
# or two), image 2 Windows PE, image 3 Windows Setup (the boot image), then
# one image per edition (default "Professional:Windows 11 Pro" and
# "Core:Windows 11 Home") with its EDITIONID as FLAGS and EDITIONID, and
# ARCH (x64, arm64 or x86) as WINDOWS/ARCH. LABEL goes into every file, so
# ESDs of two labels differ in every image and in their digests. Solid
# LZMS, as an ESD is.
set -euo pipefail
if (( $# < 3 )); then
    echo "usage: make_esd.sh OUT.esd LABEL ARCH [EDITION_ID:NAME ...]" >&2
    exit 2
fi
out=$1
label=$2
# Windows' PROCESSOR_ARCHITECTURE numbers.
case $3 in
    x64) arch=9 ;;
    arm64) arch=12 ;;
    x86) arch=0 ;;
    *) echo "make_esd.sh: ARCH is x64, arm64 or x86" >&2; exit 2 ;;
esac
shift 3
editions=("$@")
(( ${#editions[@]} )) || editions=("Professional:Windows 11 Pro" "Core:Windows 11 Home")

rm -f "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tree() { # folder, then files relative to it
    local root=$work/$1
    shift
    for file in "$@"; do
        mkdir -p "$(dirname "$root/$file")"
        printf '%s %s\n' "$label" "$file" >"$root/$file"
    done
}
tree media setup.exe bootmgr bootmgr.efi boot/bcd efi/boot/bootx64.efi sources/setup.exe
# The boot images whole sectors, as El Torito loads them.
for boot in boot/etfsboot.com:2048 efi/microsoft/boot/efisys.bin:4096 efi/microsoft/boot/efisys_noprompt.bin:4096; do
    mkdir -p "$(dirname "$work/media/${boot%%:*}")"
    { printf '%s %s\n' "$label" "${boot%%:*}"; head -c "${boot#*:}" /dev/zero; } | head -c "${boot#*:}" \
        >"$work/media/${boot%%:*}"
done
tree winpe Windows/System32/winload.exe Windows/System32/config/SYSTEM
tree setup Windows/System32/winload.exe sources/setup.exe
wim=$work/all.wim
quiet() { "$@" >/dev/null; }
quiet wimlib-imagex capture "$work/media" "$wim" "Windows Setup Media" "Windows Setup Media" --compress=none
quiet wimlib-imagex append "$work/winpe" "$wim" "Microsoft Windows PE (amd64)" "Microsoft Windows PE (amd64)"
quiet wimlib-imagex append "$work/setup" "$wim" "Microsoft Windows Setup (amd64)" "Microsoft Windows Setup (amd64)" --boot
for edition in "${editions[@]}"; do
    id=${edition%%:*}
    name=${edition#*:}
    tree "$id" Windows/System32/ntoskrnl.exe "Windows/$id.txt"
    quiet wimlib-imagex append "$work/$id" "$wim" "$name" "$name" --flags="$id"
    quiet wimlib-imagex info "$wim" "$name" --image-property EDITIONID="$id" --image-property WINDOWS/ARCH="$arch"
done
quiet wimlib-imagex export "$wim" all "$out" --solid
quiet wimlib-imagex info "$out" 3 --boot
