#!/usr/bin/env bash
# The Debian package, made from an already built folder: it lists the desktop integration, its
# dependencies come from the binaries, it unpacks (as dpkg -i would place it) into a temporary root
# from which kirvo-cli and the program start, and lintian finds no error in it.
#   package_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(find "$work/out" -maxdepth 1 -name 'kirvolan_*_amd64.deb')
[ -n "$deb" ] || fail "no kirvolan_<version>_amd64.deb: $(ls "$work/out")"
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/kirvolan ./usr/bin/kirvo-cli ./usr/share/kirvolan/SysF.ini \
  ./usr/share/applications/io.github.kirvolan.Kirvolan.desktop \
  ./usr/share/icons/hicolor/scalable/apps/io.github.kirvolan.Kirvolan.svg \
  ./usr/share/icons/hicolor/48x48/apps/io.github.kirvolan.Kirvolan.png \
  ./usr/share/metainfo/io.github.kirvolan.Kirvolan.metainfo.xml \
  ./usr/share/mime/packages/io.github.kirvolan.Kirvolan.xml ./usr/share/man/man1/kirvo-cli.1.gz; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "dependencies not read from the binaries: $depends"

dpkg -x "$deb" "$work/root"
unset KIRVO_HOME KIRVO_STORE_DIR
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
[ "$("$work/root/usr/bin/kirvo-cli" settings check)" = OK ] || fail "kirvo-cli from the package"
[ -f "$XDG_DATA_HOME/kirvolan/SysF.ini" ] || fail "the per-user folder was not filled"
QT_QPA_PLATFORM=offscreen timeout 60 "$work/root/usr/bin/kirvolan" --quit-after-start ||
  fail "the program from the package did not start (exit $?)"

# Errors fail; warnings are listed for the reader.
lintian --no-tag-display-limit "$deb" | tee "$work/lintian.txt" || true
if grep -q '^E:' "$work/lintian.txt"; then fail "lintian reports errors"; fi
echo "package $(basename "$deb"): OK"
