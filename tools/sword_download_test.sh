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

# The repositories, all under one served root: good, one whose module data is
# cut off halfway through the transfer, one with a damaged mods.d.tar.gz.
cat >"$work/pol.osis.xml" <<'OSIS'
<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace">
<osisText osisIDWork="PolTest" osisRefWork="Bible" xml:lang="pl">
<header><work osisWork="PolTest"><title>Próba</title><refSystem>Bible.KJV</refSystem></work></header>
<div type="book" osisID="John"><chapter osisID="John.3">
<verse osisID="John.3.16">Albowiem tak Bóg umiłował świat, że Syna swego jednorodzonego dał.</verse>
</chapter></div>
</osisText></osis>
OSIS
conf() {  # name driver description [extra line]
  printf '[%s]\nDataPath=./modules/texts/ztext/poltest/\nModDrv=%s\nCompressType=ZIP\nBlockType=BOOK\nSourceType=OSIS\nEncoding=UTF-8\nLang=pl\nVersification=KJV\nVersion=1.2\nInstallSize=4321\nDistributionLicense=Public Domain\nDescription=%s\n%s\n' "$@"
}
for repo in good cut bad; do
  mkdir -p "$work/root/$repo/mods.d" "$work/root/$repo/modules/texts/ztext/poltest"
  osis2mod "$work/root/$repo/modules/texts/ztext/poltest" "$work/pol.osis.xml" -z z -v KJV >"$work/osis2mod.log" 2>&1 \
    || fail "osis2mod builds the test module: $(tail -3 "$work/osis2mod.log")"
  conf PolTest zText 'Polski moduł próbny' >"$work/root/$repo/mods.d/poltest.conf"
  conf PolKomentarz zCom 'Komentarz' >"$work/root/$repo/mods.d/polkomentarz.conf"
  conf PolZamek zText 'Zamknięty' 'CipherKey=' >"$work/root/$repo/mods.d/polzamek.conf"
  sed -i 's/^Lang=pl$/Lang=en/' "$work/root/$repo/mods.d/polzamek.conf"
  (cd "$work/root/$repo" && tar czf mods.d.tar.gz mods.d)
done
head -c 300 /dev/urandom >"$work/root/bad/mods.d.tar.gz"
rm -r "$work/root/bad/mods.d"

# The server: the library's own http.server, except that compressed module
# data under /cut/ stops halfway, as when a connection breaks.
cat >"$work/server.py" <<'PY'
import http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith('/cut/') and self.path.endswith('.bzz'):
            data = open(self.translate_path(self.path), 'rb').read()
            self.send_response(200)
            self.send_header('Content-Length', str(len(data)))
            self.end_headers()
            self.wfile.write(data[:len(data) // 2])
            self.close_connection = True
            return
        super().do_GET()
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), lambda *a: Handler(*a, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()
PY
python3 -u "$work/server.py" "$work/root" >"$work/port" 2>"$work/server.err" &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/port ]] && break; sleep 0.1; done
port=$(cat "$work/port")
[[ -n $port ]] || fail "the test server starts: $(cat "$work/server.err")"

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
