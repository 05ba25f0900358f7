#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the desktop program from the build's
# program folder.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
kirvo_ensure_packages "${KIRVO_BUILD_PACKAGES[@]}"

kirvo_build build/release -DCMAKE_BUILD_TYPE=Release -DKIRVO_BUILD_TESTS=OFF -DKIRVO_BUILD_BENCH=OFF

# The packages (xvfb among them) and the build are in place first, so the command named here works.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset, QT_QPA_PLATFORM too): start it as xvfb-run -a ./run.sh" >&2
  exit 1
fi

exec build/release/bin/kirvolan
