#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end checks of importing SWORD modules: the King James module Debian
# installs, and a small Polish module built here with osis2mod (a missing
# verse, a note and a Strong's number that must not reach the text, and a
# deuterocanonical book). Usage: sword_test.sh path/to/skrybon-tool
set -u
tool=$1
source "$(dirname "$0")/test_lib.sh"
crlf() { printf '%s\r\n' "$@"; }

# The King James Version as Debian installs it: every verse of its 66 books.
expect_rc 0 "modules" "$tool" modules
grep -q $'^engKJV2006eb\ten\tKJV\tKing James Version$' "$work/out" || fail "modules lists the KJV module"
expect_rc 0 "import of KJV" "$tool" import --translation bg --format sword --out "$work/kjv" engKJV2006eb
grep -q '^BG: 66 books, 1189 chapters, 31102 verses' "$work/out" || fail "KJV gives 66 books, 31102 verses: $(cat "$work/out")"
expect_rc 0 "show Gen 1:1" "$tool" show --data "$work/kjv" --translation bg "1 Moj 1:1"
crlf "1 Moj. 1:1" "1. In the beginning God created the heaven and the earth." "(BG)" | cmp -s - "$work/out" \
  || fail "Genesis 1:1 is the module's text: $(cat "$work/out")"
expect_rc 0 "show John 3:16" "$tool" show --data "$work/kjv" --translation bg "Jan 3:16"
grep -q '^16\. ¶ For God so loved the world, that he gave his only begotten Son, that whosoever believeth in him should not perish, but have everlasting life\.' "$work/out" \
  || fail "John 3:16 is the module's text: $(cat "$work/out")"
# A Psalm's title is a heading, canonical or not: it stays out of verse 1.
expect_rc 0 "show Psalm 3:1" "$tool" show --data "$work/kjv" --translation bg "Ps 3:1"
grep -q '^1\. LORD, how are they increased that trouble me!' "$work/out" \
  || fail "Psalm 3:1 comes without its title: $(cat "$work/out")"

# A small Polish module: Genesis 1 lacks verse 2, verse 3 carries a note and
# a Strong's number, and Tobit exists only for BT.
mkdir -p "$work/sword/mods.d" "$work/sword/modules/texts/rawtext/poltest"
cat >"$work/poltest.osis.xml" <<'OSIS'
<?xml version="1.0" encoding="UTF-8"?>
<osis xmlns="http://www.bibletechnologies.net/2003/OSIS/namespace">
<osisText osisIDWork="PolTest" osisRefWork="Bible" xml:lang="pl">
<header><work osisWork="PolTest"><title>Próba</title><refSystem>Bible.KJVA</refSystem></work></header>
<div type="book" osisID="Gen"><chapter osisID="Gen.1">
<title type="chapter">Stworzenie świata</title>
<verse osisID="Gen.1.1">Na początku stworzył Bóg niebo i ziemię.</verse>
<verse osisID="Gen.1.3">I rzekł Bóg: <w lemma="strong:H0216">Niech</w> się stanie światłość<note type="study">Przypis, którego nie ma w tekście.</note>. I stała się światłość.</verse>
</chapter></div>
<div type="book" osisID="Tob"><chapter osisID="Tob.1">
<verse osisID="Tob.1.1">Księga dziejów Tobiasza, zażółć gęślą jaźń.</verse>
</chapter></div>
</osisText></osis>
OSIS
osis2mod "$work/sword/modules/texts/rawtext/poltest" "$work/poltest.osis.xml" -v KJVA >"$work/osis2mod.log" 2>&1 \
  || fail "osis2mod builds the test module: $(tail -3 "$work/osis2mod.log")"
module_conf() {  # name driver [extra lines]
  printf '[%s]\nDataPath=./modules/texts/rawtext/poltest/\nModDrv=%s\nSourceType=OSIS\nEncoding=UTF-8\nLang=pl\nVersification=KJVA\nDescription=Polski moduł próbny\n%s\n' "$@"
}
module_conf PolTest RawText >"$work/sword/mods.d/poltest.conf"
module_conf PolKomentarz RawCom >"$work/sword/mods.d/polkomentarz.conf"
expect_rc 0 "modules of a folder" "$tool" modules --sword-path "$work/sword"
[[ $(cat "$work/out") == $'PolTest\tpl\tKJVA\tPolski moduł próbny' ]] || fail "only the Bible text is listed: $(cat "$work/out")"

expect_rc 0 "import of the Polish module" "$tool" import --translation bt --format sword --sword-path "$work/sword" --out "$work/pl" PolTest
grep -q 'missing verse' "$work/err" || fail "the missing verse is reported: $(cat "$work/err")"
expect_rc 0 "show Gen 1" "$tool" show --data "$work/pl" --translation bt "Rdz 1"
crlf "Rdz 1:1-3" "1. Na początku stworzył Bóg niebo i ziemię." "2. " \
  "3. I rzekł Bóg: Niech się stanie światłość. I stała się światłość." "(BT)" | cmp -s - "$work/out" \
  || fail "Genesis 1 comes back without the heading, note and Strong's number: $(cat "$work/out")"
expect_rc 0 "show Tob 1:1" "$tool" show --data "$work/pl" --translation bt "Tb 1:1"
grep -q '^1\. Księga dziejów Tobiasza, zażółć gęślą jaźń\.' "$work/out" || fail "Tobit reaches BT: $(cat "$work/out")"

# Damaged modules: the same text compressed in blocks of a book (the library's
# block 0 holds the importer's note, 1 Genesis, 2 Tobit), then broken. Each is
# refused in good time, naming its damage, and the earlier import stays.
zdir=$work/sword/modules/texts/ztext/polz
mkdir -p "$zdir"
osis2mod "$zdir" "$work/poltest.osis.xml" -z z -b 4 -v KJVA >>"$work/osis2mod.log" 2>&1 || fail "osis2mod builds the compressed module"
cp "$work/pl/bt.idx" "$work/bt.idx.before"
damaged() {  # name compress-type raw|z command-that-breaks-the-copy-in-$dir
  local name=$1 compress=$2 kind=$3; shift 3
  dir=$work/sword/modules/broken/$name
  mkdir -p "$work/sword/modules/broken"
  cp -r "$([[ $kind == z ]] && echo "$zdir" || echo "$work/sword/modules/texts/rawtext/poltest")" "$dir"
  (cd "$dir" && eval "$*")
  printf '[%s]\nDataPath=./modules/broken/%s/\nModDrv=%s\nCompressType=%s\nBlockType=BOOK\nSourceType=OSIS\nEncoding=UTF-8\nVersification=KJVA\n' \
    "$name" "$name" "$([[ $kind == z ]] && echo zText || echo RawText)" "$compress" >"$work/sword/mods.d/$name.conf"
}
hostile_blocks() { for _ in 1 2 3; do printf '\xf0\xff\xff\x7f\xf0\xff\xff\x7f\xf0\xff\xff\x7f'; done; }
damaged ZCut ZIP z 'truncate -s -100 ot.bzz'
damaged ZRandom ZIP z 'head -c "$(stat -c %s ot.bzz)" /dev/urandom >ot.bzz.new && mv ot.bzz.new ot.bzz'
damaged ZHostile ZIP z 'hostile_blocks >ot.bzs'
damaged ZLzss LZSS z ':'
damaged ZShortIndex ZIP z 'truncate -s 100000 ot.bzv'
damaged RawHostile ZIP raw 'head -c "$(stat -c %s ot.vss)" /dev/zero | tr "\\0" "\\377" >ot.vss.new && mv ot.vss.new ot.vss'
damaged RawLatin ZIP raw 'LC_ALL=C sed -i "s/za\xc5\xbc/za\xff\xff/" ot'
while IFS='|' read -r name count first; do
  expect_rc 2 "damaged $name" timeout 60 "$tool" import --translation bt --format sword --sword-path "$work/sword" --out "$work/pl" "$name"
  grep -q "module $name is damaged: $count, the first at $first.*nothing written" "$work/err" || fail "$name names its damage: $(cat "$work/err")"
done <<'TABLE'
ZCut|1 damaged entry|Tob.1.1 (block 2 of ot.bzz lies past the end of the file)
ZRandom|3 damaged entries|Gen.1.1 (block 1 of ot.bzz does not decompress
ZHostile|3 damaged entries|Gen.1.1 (block 1 of ot.bzz lies past the end
ZLzss|3 damaged entries|Gen.1.1 (block 1 of ot.bzz does not decompress with the module's CompressType)
ZShortIndex|.* damaged entries|2Kgs.5.21 (ot.bzv ends before this verse)
RawHostile|1 damaged entry|Gen.1.1 (points past the end of ot)
RawLatin|1 damaged entry|Tob.1.1 (text that is not valid UTF-8
TABLE
cmp -s "$work/pl/bt.idx" "$work/bt.idx.before" || fail "a refused import keeps the translation imported before"
expect_rc 0 "damaged module allowed" "$tool" import --translation bt --format sword --sword-path "$work/sword" --out "$work/cut" --allow-damaged ZCut
grep -q '^warning: 1 damaged entry, the first at Tob.1.1 .* left out of module ZCut' "$work/err" || fail "what is left out is reported: $(cat "$work/err")"
expect_rc 0 "show what was read" "$tool" show --data "$work/cut" --translation bt "Rdz 1:1"
grep -q '^1\. Na początku stworzył Bóg niebo i ziemię\.' "$work/out" || fail "the readable verses are imported: $(cat "$work/out")"

# Modules that cannot be imported write nothing and end in exit code 2.
expect_rc 2 "missing module" "$tool" import --translation bg --format sword --sword-path "$work/sword" --out "$work/none1" NoSuchModule
expect_rc 2 "commentary" "$tool" import --translation bg --format sword --sword-path "$work/sword" --out "$work/none2" PolKomentarz
grep -q 'not a Bible text' "$work/err" || fail "a commentary is named as not a Bible text"
module_conf PolZamek RawText 'CipherKey=' >"$work/sword/mods.d/polzamek.conf"
expect_rc 2 "locked module" "$tool" import --translation bg --format sword --sword-path "$work/sword" --out "$work/none3" PolZamek
grep -q 'locked' "$work/err" || fail "a locked module is named as locked"
for folder in none1 none2 none3; do [[ -e "$work/$folder" ]] && fail "a refused import leaves no folder ($folder)"; done

# The SWORD commands run in skrybon-tool-sword beside the tool; without it the
# tool names what is missing.
cp "$tool" "$work/lone-tool"
expect_rc 1 "modules without skrybon-tool-sword" "$work/lone-tool" modules
grep -q 'cannot start .*skrybon-tool-sword' "$work/err" || fail "a missing skrybon-tool-sword is named"
expect_rc 2 "import without skrybon-tool-sword" "$work/lone-tool" import --translation bg --format sword --out "$work/none4" engKJV2006eb
[[ -e "$work/none4" ]] && fail "an import without skrybon-tool-sword writes nothing"

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
((failures == 0))
