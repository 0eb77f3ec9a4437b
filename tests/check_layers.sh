#!/usr/bin/env bash
# Fails when a folder includes a folder above it. The layers, from the
# bottom: common; logkit and platform; media, download, scraper and catalog;
# flow; ui and cli; app. Each may include only the ones below it (media,
# download, scraper and catalog know nothing of each other, nor do the window
# and the command line).
set -euo pipefail
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# folder -> the folders it must not include
declare -A forbidden=(
    [common]="logkit platform media download scraper catalog flow ui cli app"
    [logkit]="platform media download scraper catalog flow ui cli app"
    [platform]="logkit media download scraper catalog flow ui cli app"
    [media]="logkit download scraper catalog flow ui cli app"
    [download]="logkit media scraper catalog flow ui cli app"
    [scraper]="logkit media download catalog flow ui cli app"
    [catalog]="logkit media download scraper flow ui cli app"
    [flow]="logkit ui cli app"
    [ui]="logkit cli app"
    [cli]="logkit ui app"
)

failed=0
for folder in "${!forbidden[@]}"; do
    pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($(tr ' ' '|' <<<"${forbidden[$folder]}"))/"
    if hits=$(grep -rnE --include='*.h' --include='*.cpp' "${pattern}" "${repo_root}/${folder}"); then
        echo "${hits//${repo_root}\//}" >&2
        echo "check_layers: ${folder}/ includes a layer above it" >&2
        failed=1
    fi
done
(( failed )) && exit 1
echo "check_layers: every folder includes only the layers below it"
