# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the tests that fetch SWORD modules (sourced after test_lib.sh):
# builds small repositories with osis2mod under $work/root and serves them
# on 127.0.0.1 at a free port ($port; the server's process is $server,
# stopped at exit).
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

