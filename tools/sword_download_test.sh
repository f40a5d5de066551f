#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end checks of fetching SWORD modules from a remote repository: a
# small repository built here with osis2mod and served on 127.0.0.1 (never
# the internet), a temporary HOME, every command bounded in time.
# Usage: sword_download_test.sh path/to/skrybon-tool
set -u
tool=$1
source "$(dirname "$0")/test_lib.sh"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
run() { timeout 60 "$tool" "$@"; }

source "$(dirname "$0")/sword_test_repository.sh"

# Sources: CrossWire's on first use; added and removed by name.
expect_rc 0 "sources" run sources
[[ $(cat "$work/out") == $'CrossWire\tHTTPS\thttps://www.crosswire.org/ftpmirror/pub/sword/raw' ]] || fail "CrossWire is set up: $(cat "$work/out")"
for repo in good cut bad; do expect_rc 0 "sources --add $repo" run sources --add "$repo" "http://127.0.0.1:$port/$repo/"; done
expect_rc 0 "sources --add dead" run sources --add dead "http://127.0.0.1:1"
expect_rc 0 "sources --remove" run sources --remove CrossWire
expect_rc 0 "sources" run sources
[[ $(cut -f1,3 "$work/out" | tr '\t\n' '  ') == "bad http://127.0.0.1:$port/bad cut http://127.0.0.1:$port/cut dead http://127.0.0.1:1 good http://127.0.0.1:$port/good " ]] \
  || fail "sources lists what was added and not removed: $(cat "$work/out")"
while read -r name url; do
  expect_rc 2 "sources --add $url" run sources --add "$name" "$url"
done <<'TABLE'
good http://127.0.0.1/other
file file:///tmp/repo
bar http://a|b/
TABLE

# Consent: refused without a terminal, remembered once given on one.
expect_rc 2 "remote without consent" run remote --source good </dev/null
grep -q 'consent.*--yes' "$work/err" || fail "the refusal says how to consent: $(cat "$work/err")"
echo yes | timeout 60 script -qec "'$tool' remote --source good" /dev/null >"$work/out" 2>&1 || fail "remote on a terminal: $(cat "$work/out")"
expect_rc 0 "remote with remembered consent" run remote --source good </dev/null
[[ $(cat "$work/out") == $'PolTest\tpl\t1.2\t4321\tPublic Domain\tPolski moduł próbny' ]] \
  || fail "remote lists the Bible text in Polish with its fields: $(cat "$work/out")"

# Download and import in one step; progress on standard error.
expect_rc 0 "download --import" run download --source good --yes --import bt --out "$work/data" PolTest
grep -qP '^progress\t\d+\t[1-9]\d*$' "$work/err" || fail "progress lines: $(cat "$work/err")"
[[ -e $HOME/.sword/mods.d/poltest.conf ]] || fail "the module is installed in ~/.sword"
expect_rc 0 "show Jan 3:16" run show --data "$work/data" --translation bt "Jan 3:16"
grep -q '^16\. Albowiem tak Bóg umiłował świat' "$work/out" || fail "the downloaded verse is imported: $(cat "$work/out")"

# Failures: exit 2 with the reason, and ~/.sword as it was (the module
# installed above untouched, nothing half-installed beside it).
listing() { (cd "$HOME/.sword" && find . -path ./InstallMgr -prune -o -type f -print0 | sort -z | xargs -0 md5sum); }
listing >"$work/before"
while IFS='|' read -r source module reason; do
  expect_rc 2 "download $module from $source" run download --source "$source" --yes "$module"
  grep -q "$reason" "$work/err" || fail "download $module from $source says why: $(cat "$work/err")"
done <<'TABLE'
dead|PolTest|from http://127.0.0.1:1 (Failed to connect
good|NoSuch|source good has no module named NoSuch
good|PolKomentarz|module PolKomentarz is not a Bible text
good|PolZamek|module PolZamek is locked
bad|PolTest|mods.d.tar.gz at http://127.0.0.1:.* is missing or damaged
cut|PolTest|the download of PolTest from http://127.0.0.1:.*/cut failed (transfer closed
nowhere|PolTest|no source named nowhere
TABLE
listing | cmp -s - "$work/before" || fail "failed downloads leave ~/.sword as it was"
expect_rc 0 "download again" run download --source good --yes PolTest
listing | cmp -s - "$work/before" || fail "a module downloaded again replaces the installed copy"
ls -a "$HOME/.sword" | grep -q skrybon-download && fail "no staging folder stays behind"

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
((failures == 0))
