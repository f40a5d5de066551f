#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a temporary DESTDIR and checks what a desktop needs:
# both programs and the tool's helper, the desktop entry and metainfo (each
# passing its validator), the menu icons at every size, the manual pages in
# English and Polish and the licence.
# Usage: install_test.sh BUILD_DIR APP_ID
set -u
build=$1 id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1 || { cat "$root.log"; fail "cmake --install"; }
rm -f "$root.log"
usr="$root/usr"
for f in bin/skrybon bin/skrybon-tool libexec/skrybon/skrybon-tool-sword; do [[ -x "$usr/$f" ]] || fail "$f is not installed"; done
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/doc/skrybon/README.md \
         share/doc/skrybon/copyright; do
  [[ -s "$usr/$f" ]] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$usr/share/icons/hicolor/${size}x${size}/apps/skrybon.png"
  # A PNG's width and height are the 4-byte numbers at offsets 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')
  [[ $dims == " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ]] ||
    fail "icon ${size}x${size}: '$dims'"
done

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$root/as.log" 2>&1 ||
  { cat "$root/as.log"; fail "appstreamcli validate"; }
grep -q '^Icon=skrybon$' "$usr/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -q '^Exec=skrybon$' "$usr/share/applications/$id.desktop" || fail "the desktop entry starts another program"
# The manual pages, English and Polish, as `man PAGE` and `man -L pl PAGE` find them.
command -v man >/dev/null && for page in skrybon skrybon-tool; do
  for language in en pl; do
    MANWIDTH=80 LC_ALL=C.UTF-8 MANPATH="$usr/share/man" man --warnings -L "$language" "$page" 2>"$root/man.err" >"$root/man.out" ||
      fail "man -L $language $page"
    [[ ! -s "$root/man.err" ]] || { cat "$root/man.err"; fail "man -L $language $page warns"; }
  done
  grep -q '^NAZWA' "$root/man.out" || fail "man -L pl $page shows no Polish page"
done
# The installed program answers without a window and names the data folders.
"$usr/bin/skrybon" --version | grep -q '^Skrybon v1.4$' || fail "skrybon --version"
"$usr/bin/skrybon" --help | grep -q 'XDG_DATA_HOME' || fail "skrybon --help"
# The installed tool reaches its SWORD helper.
"$usr/bin/skrybon-tool" modules --sword-path "$root" >/dev/null 2>&1 || fail "skrybon-tool modules"

((failures == 0)) && echo "all install checks passed"
exit $((failures > 0))
