#!/usr/bin/env bash
# Installs what is missing, builds a release build and runs the program's main job: for now the
# command-line tool printing the four pillars of this moment and of a sample birth.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
kirvo_ensure_packages "${KIRVO_BUILD_PACKAGES[@]}"

kirvo_build build/release -DCMAKE_BUILD_TYPE=Release -DKIRVO_BUILD_TESTS=OFF -DKIRVO_BUILD_BENCH=OFF

now=$(date '+%Y/%m/%d %H:%M')
echo "入力	年柱	月柱	日柱	時柱	節入り	黄経	季節	四分	深浅	蔵干"
printf '%s\n%s\n' "$now" "1984/02/10 12:00" | KIRVO_HOME="$PWD/build/release/bin" build/release/bin/kirvo-cli pillars
