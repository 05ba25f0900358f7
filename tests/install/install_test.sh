#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary root, then, with a home folder of its
# own, kirvo-cli and the desktop program (offscreen) start from the installed tree; the first start
# fills the per-user folder, a second keeps the user's changed file and copies nothing again, and
# the read-only share folder is never written. The installed desktop entry, metainfo and MIME type
# pass their validators.
#   install_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
bin="$root/usr/bin"
share="$root/usr/share/kirvolan"
for file in "$bin/kirvolan" "$bin/kirvo-cli" "$share/SysF.ini" "$share/help/index.html" "$share/JapanMap.png" \
  "$root/usr/share/man/man1/kirvo-cli.1.gz" "$root/usr/share/man/man1/kirvolan.1.gz"; do
  [ -f "$file" ] || fail "not installed: ${file#"$root"}"
done
[ -f "$bin/SysF.ini" ] && fail "shipped files beside the installed executables would make it portable"

# A home of its own; nothing points the program at a folder.
unset KIRVO_HOME KIRVO_STORE_DIR
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
export QT_QPA_PLATFORM=offscreen
user="$XDG_DATA_HOME/kirvolan"
chmod -R a-w "$share"
share_state() { (cd "$share" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
share_before=$(share_state)

out=$("$bin/kirvo-cli" settings check) || fail "kirvo-cli settings check exited $?"
[ "$out" = OK ] || fail "kirvo-cli settings check printed: $out"
for name in $(cd "$share" && find . -type f | sort); do
  cmp -s "$share/$name" "$user/$name" || fail "the first start did not fill $name"
done
[ -w "$user/SysF.ini" ] || fail "a filled file is not writable"

timeout 60 "$bin/kirvolan" --quit-after-start || fail "the program did not start and quit (exit $?)"

# A second start: the user's change stays (the program may write the file itself, the shipped one
# never replaces it), nothing else is copied again.
printf '[KirvoInstallTest]\r\nKept=1\r\n' >>"$user/Memo.Dat"
# The shipped files in the per-user folder with their times (the program writes files of its own there).
shipped_copies() { (cd "$share" && find . -type f ! -name Memo.Dat | sort | while read -r name; do
  stat -c '%n %Y.%y' "$user/$name"; done); }
filled=$(shipped_copies)
timeout 60 "$bin/kirvolan" --quit-after-start || fail "the second start failed (exit $?)"
"$bin/kirvo-cli" settings check >/dev/null || fail "kirvo-cli failed at the second start"
grep -q KirvoInstallTest "$user/Memo.Dat" || fail "the user's changed file was overwritten"
[ "$(shipped_copies)" = "$filled" ] ||
  fail "the second start wrote the per-user folder again"
[ "$(share_state)" = "$share_before" ] || fail "the installed share folder was written"

desktop-file-validate "$root/usr/share/applications/io.github.kirvolan.Kirvolan.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/io.github.kirvolan.Kirvolan.metainfo.xml"
# The MIME type is read as the desktop reads it: *.nam files are name files.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/io.github.kirvolan.Kirvolan.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null
grep -q 'application/x-kirvolan-names:\*\.nam' "$work/mime/globs2" || fail "the name-file type has no *.nam glob"
echo "installed tree: OK"
