#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end checks of skrybon-tool: demo, check, show, import and the exit
# codes of bad input. Usage: tool_test.sh path/to/skrybon-tool
set -u
tool=$1
source "$(dirname "$0")/test_lib.sh"

expect_rc 0 "demo" "$tool" demo --out "$work/demo"
expect_rc 0 "check of the demo" "$tool" check --data "$work/demo"
[[ $(wc -l <"$work/out") == 3 ]] || fail "check prints one line per translation"
grep -q '^BT: 73 books' "$work/out" || fail "check names BT's 73 books"
# check: 0 while every installed translation is whole, 1 when none is or one is damaged.
mkdir -p "$work/subset"
cp -r "$work/demo/bg.idx" "$work/demo/bg_alias.txt" "$work/demo/ksiegi" "$work/subset/"
expect_rc 0 "check of BG alone" "$tool" check --data "$work/subset"
grep -q '^BW: not installed' "$work/out" || fail "check lists BW as not installed"
printf 'xx' >"$work/subset/bt.idx"
expect_rc 1 "check of BG with a damaged BT" "$tool" check --data "$work/subset"
rm "$work/subset/bt.idx"
mkdir -p "$work/none"
expect_rc 1 "check with nothing installed" "$tool" check --data "$work/none"

# One verse: reference, the verse, the code, CR LF after each line.
expect_rc 0 "show one verse" "$tool" show --data "$work/demo" --translation bt "Ps 119:176"
printf 'Ps 119:176\r\n176. ' | cmp -s -n 17 - "$work/out" || fail "show of one verse starts with the reference"
tail -c 6 "$work/out" | od -c | grep -q '(   B   T   )  \\r  \\n' || fail "show ends with the code and CR LF"
# A chapter beyond the last is the last, a book alone is its chapter 1.
expect_rc 0 "show clamped" "$tool" show --data "$work/demo" --translation bg "Obj 99:999"
head -c 10 "$work/out" | grep -q '^Obj. 22:' || fail "chapter 99 of Obj. is shown as 22"
expect_rc 0 "show book" "$tool" show --data "$work/demo" --translation bw Rdz
head -c 14 "$work/out" | grep -q '^1 Moj. 1:1-' || fail "a book alone shows chapter 1 whole"
expect_rc 0 "show cp1250" "$tool" show --data "$work/demo" --translation bg --encoding cp1250 "Łuk 1:1"
head -c 4 "$work/out" | od -An -tx1 | grep -q 'a3 75 6b 2e' || fail "cp1250 output writes Ł as one byte"
expect_rc 2 "unknown place" "$tool" show --data "$work/demo" --translation bg "xyz 1"
expect_rc 2 "place outside Windows-1250" "$tool" show --data "$work/demo" --translation bg "Obj α 1"
expect_rc 2 "missing translation" "$tool" show --data "$work/demo" "Rdz 1"
expect_rc 2 "bad encoding" "$tool" show --data "$work/demo" --translation bg --encoding latin2 "Rdz 1"

# A damaged and a missing book file are each named; the exit code is 1.
printf '\x05\x00' >"$work/demo/ksiegi/3.bw"
rm "$work/demo/ksiegi/7.bt"
expect_rc 1 "check of damaged data" "$tool" check --data "$work/demo"
grep -q 'ksiegi/3.bw: damaged' "$work/out" || fail "check names the damaged file"
grep -q 'ksiegi/7.bt: missing' "$work/out" || fail "check names the missing file"
grep -q '^BG: 66 books' "$work/out" || fail "check still reports the sound translation"
# A folder where a book file belongs is not "missing": check says why.
rm "$work/demo/ksiegi/5.bg" && mkdir "$work/demo/ksiegi/5.bg"
expect_rc 1 "check of a folder as a book file" "$tool" check --data "$work/demo"
grep -q 'ksiegi/5.bg: cannot be read (Is a directory)' "$work/out" || fail "check says why a book file cannot be read"
# A search that skipped a book still prints what it found, but exits with 1.
expect_rc 1 "search with a skipped book" "$tool" search --data "$work/demo" --translation bt a
grep -q 'ksiegi/7.bt' "$work/err" || fail "search names the skipped book"
[[ -s "$work/out" ]] || fail "search prints its results even when it skipped a book"

# Import: holes are filled and reported, the result passes the check.
printf '0\t1\t1\tpierwszy\n0\t1\t3\ttrzeci\n65\t2\t1\tostatni ☃\nzła linia\n' >"$work/in.tsv"
for code in bg bw bt; do
  expect_rc 0 "import $code" "$tool" import --translation $code --format tsv --out "$work/imp" "$work/in.tsv"
done
grep -q 'Windows-1250 cannot hold' "$work/err" || fail "import reports unmappable text"
grep -q 'book(s) missing' "$work/err" || fail "import reports missing books"
[[ -f "$work/imp/bt_alias.txt" ]] || fail "import writes the default alias file"
expect_rc 0 "check of imported data" "$tool" check --data "$work/imp"
expect_rc 0 "show imported" "$tool" show --data "$work/imp" --translation bg "1 Moj 1"
printf '1 Moj. 1:1-3\r\n1. pierwszy\r\n2. \r\n3. trzeci\r\n(BG)\r\n' | cmp -s - "$work/out" || fail "a verse gap is an empty verse"
# A re-import that fails on a full disk (each new book fits, the index does
# not) leaves the earlier translation byte for byte and no temporary behind.
awk 'BEGIN { for (b = 0; b < 66; b++) for (v = 1; v <= 30; v++) printf "%d\t1\t%d\t%0100d\n", b, v, v }' >"$work/big.tsv"
state() { (cd "${1:-$work/imp}" && find . | sort && find . -type f | sort | xargs md5sum); }
state >"$work/before"
(trap '' XFSZ; ulimit -f 4; exec "$tool" import --translation bg --format tsv --out "$work/imp" "$work/big.tsv") \
  >"$work/out" 2>"$work/err" && fail "an import onto a full disk reports success"
grep -q 'bg.idx: File too large' "$work/err" || fail "a failed import names the file and the reason ($(cat "$work/err"))"
state | cmp -s - "$work/before" || fail "a failed import changed the earlier translation"
expect_rc 0 "check after a failed import" "$tool" check --data "$work/imp"
# A book file of another import beside the index: the check names it.
cp "$work/imp/ksiegi/0.bg" "$work/saved.bg"
"$tool" import --translation bg --format tsv --out "$work/other" "$work/big.tsv" >/dev/null 2>&1
cp "$work/other/ksiegi/0.bg" "$work/imp/ksiegi/0.bg"
expect_rc 1 "check of a mixed translation" "$tool" check --data "$work/imp"
grep -q 'ksiegi/0.bg: holds 30 verses, the index names 3' "$work/out" || fail "check names a book file longer than its index"
cp "$work/saved.bg" "$work/imp/ksiegi/0.bg"

# An import killed at its n-th rename (1: its journal, 2-67: books, 68: the
# index) never leaves a mix that is read: check and show refuse it until the
# next import or check --repair puts back the earlier files; either removes
# the leftovers of the killed import, and only those.
cp -a "$work/imp" "$work/kill"
touch "$work/kill/ksiegi/notes.abcdefgh~" "$work/kill/bg.idx.ABCDEFGH~"
state "$work/kill" >"$work/before"
for kill in 1:import 30:repair 68:import; do
  n=${kill%:*}
  { strace -f -qq -e trace=rename,renameat,renameat2 -e inject=rename,renameat,renameat2:signal=SIGKILL:when=$n \
    "$tool" import --translation bg --format tsv --out "$work/kill/" "$work/big.tsv" >/dev/null 2>&1; } 2>/dev/null
  [[ $? == 137 ]] || fail "strace killed the import at rename $n"
  expect_rc $((n > 1)) "check after a kill at rename $n" "$tool" check --data "$work/kill"
  grep -q '^BG: [0-9]* leftover file(s) of interrupted writes' "$work/out" || fail "check mentions the leftovers ($n)"
  if ((n > 1)); then
    grep -q '^BG: bg.import-journal: an import was interrupted' "$work/out" || fail "check names the interrupted import ($n)"
    expect_rc 1 "show after a kill at rename $n" "$tool" show --data "$work/kill" --translation bg "1 Moj 1"
    grep -q "check --repair --data '$work/kill'" "$work/err" || fail "show says what to run ($(cat "$work/err"))"
  fi
  if [[ ${kill#*:} == repair ]]; then
    expect_rc 0 "check --repair after a kill at rename $n" "$tool" check --repair --data "$work/kill"
  else
    expect_rc 0 "import after a kill at rename $n" "$tool" import --translation bg --format tsv --out "$work/kill" "$work/in.tsv"
    grep -q 'removed [0-9]* leftover file(s)' "$work/err" || fail "the next import removes the leftovers ($n)"
  fi
  state "$work/kill" | cmp -s - "$work/before" || fail "the kill at rename $n is undone to the earlier files, leftovers gone"
done

# A folder held by another import is waited for, with a word, a bounded time.
flock -o "$work/kill" sleep 3 >/dev/null 2>&1 &
holder=$!
sleep 0.3
expect_rc 1 "import into a held folder" timeout 10 "$tool" import --translation bg --format tsv --out "$work/kill" \
  --lock-wait 0.5 "$work/in.tsv"
grep -q "waiting for another import or repair of $work/kill" "$work/err" || fail "the import says that it waits"
grep -q 'still holds its lock after 0.5 s; gave up' "$work/err" || fail "the import gives up ($(cat "$work/err"))"
expect_rc 1 "repair of a held folder" timeout 10 "$tool" check --repair --lock-wait 0 --data "$work/kill"
kill "$holder"; wait "$holder" 2>/dev/null

# A demo that fails at BW takes away the BG files it had written.
mkdir -p "$work/demofail/bw.idx"
expect_rc 1 "demo failing at BW" "$tool" demo --out "$work/demofail"
[[ $(cd "$work/demofail" && find . | sort | tr '\n' ' ') == ". ./bw.idx " ]] || fail "a failed demo leaves what it wrote"

expect_rc 1 "import of nothing" "$tool" import --translation bg --format tsv --out "$work/none" /dev/null
[[ ! -e "$work/none/bg.idx" ]] || fail "an empty import writes nothing"
expect_rc 1 "import of a missing file" "$tool" import --translation bg --format tsv --out "$work/x" "$work/nope.tsv"

# XML input: notes are left out, entities decoded.
cat >"$work/in.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<osis><osisText><div type="book" osisID="John">
<verse osisID="John.3.16">Albowiem tak Bóg <note>przypis</note>umiłował &amp; dał</verse>
</div></osisText></osis>
XML
expect_rc 0 "OSIS import" "$tool" import --translation bg --format osis --out "$work/xml" "$work/in.xml"
expect_rc 0 "show OSIS import" "$tool" show --data "$work/xml" --translation bg "Jan 3:16"
grep -q '^16\. Albowiem tak Bóg umiłował & dał' "$work/out" || fail "OSIS verse text"

# Without --out the import writes to the user's data folder and says so; without
# --data the other commands find it there from any folder, while a folder that
# holds an index of its own comes first, and --data names the folder as given.
user="$work/xdg/skrybon"
for code in bg bw bt; do
  expect_rc 0 "import $code to the user folder" env XDG_DATA_HOME="$work/xdg" "$tool" import \
    --translation $code --format tsv "$work/in.tsv"
done
grep -q "written to $user" "$work/out" || fail "import names the user folder it wrote to"
[[ -f "$user/bt.idx" && -f "$user/ksiegi/0.bg" ]] || fail "import writes to \$XDG_DATA_HOME/skrybon"
expect_rc 0 "check of the user folder" env -C "$work/demo/ksiegi" XDG_DATA_HOME="$work/xdg" "$tool" check
expect_rc 0 "show from the user folder" env -C / XDG_DATA_HOME="$work/xdg" "$tool" show --translation bg "1 Moj 1:3"
grep -q '^3\. trzeci' "$work/out" || fail "show reads the user folder"
expect_rc 0 "show from a data folder" env -C "$work/xml" XDG_DATA_HOME="$work/xdg" "$tool" show --translation bg "Jan 3:16"
grep -q 'Albowiem' "$work/out" || fail "the current folder with an index comes before the user folder"
expect_rc 0 "show BW from the user folder beside BG here" env -C "$work/subset" XDG_DATA_HOME="$work/xdg" "$tool" show --translation bw "1 Moj 1:3"
grep -q '^3\. trzeci' "$work/out" || fail "each translation comes from the first folder holding its own index"
expect_rc 1 "check of a --data folder without data" env XDG_DATA_HOME="$work/xdg" "$tool" check --data "$work/demo/ksiegi"
# A verse counts only together with a chapter: no usable chapter shows chapter 1 whole.
expect_rc 0 "show a verse without a chapter" "$tool" show --data "$work/demo" --translation bg "ps -3:2"
head -c 9 "$work/out" | grep -q '^Ps. 1:1-' || fail "'ps -3:2' shows Psalm 1 whole ($(head -c 20 "$work/out"))"

# Declared encodings are honoured; others, and broken bytes, are refused.
printf '<?xml version="1.0" encoding="windows-1250"?>\n<XMLBIBLE><BIBLEBOOK bnumber="1"><CHAPTER cnumber="1">
<VERS vnumber="1">za\xbf\xf3\xb3\xe6 \xe6ma</VERS></CHAPTER></BIBLEBOOK></XMLBIBLE>\n' >"$work/cp1250.xml"
expect_rc 0 "Zefania import in Windows-1250" "$tool" import --translation bg --format zefania --out "$work/zef" "$work/cp1250.xml"
grep -q 'cannot hold' "$work/err" && fail "a declared Windows-1250 file reports characters it cannot hold"
expect_rc 0 "show Zefania import" "$tool" show --data "$work/zef" --translation bg "1 Moj 1:1"
grep -q '^1\. zażółć ćma' "$work/out" || fail "Windows-1250 Zefania text ($(cat "$work/out"))"
sed 's/windows-1250/KOI8-R/' "$work/cp1250.xml" >"$work/koi.xml"
expect_rc 1 "an unknown declared encoding" "$tool" import --translation bg --format zefania --out "$work/koi" "$work/koi.xml"
grep -q "declares the encoding 'KOI8-R'" "$work/err" || fail "an unknown encoding is named"
sed 's/ encoding="windows-1250"//' "$work/cp1250.xml" >"$work/bad8.xml"
expect_rc 1 "invalid UTF-8 in XML" "$tool" import --translation bg --format zefania --out "$work/bad8" "$work/bad8.xml"
grep -q 'byte 97: invalid UTF-8' "$work/err" || fail "invalid UTF-8 is named with its byte ($(cat "$work/err"))"
[[ ! -e "$work/bad8" ]] || fail "a refused import leaves no folder"

# Only regular files are read: a folder or a pipe is refused at once.
mkfifo "$work/pipe"
for format in tsv osis zefania; do
  for input in "$work" "$work/pipe"; do
    expect_rc 1 "$format import of $input" timeout 20 "$tool" import --translation bg --format $format --out "$work/x" "$input"
    grep -q "cannot read $input: \(Is a directory\|not a regular file\)" "$work/err" || fail "$format import of $input says why"
  done
done

# Usage errors.
expect_rc 2 "no command" "$tool"
expect_rc 2 "unknown command" "$tool" frobnicate
expect_rc 2 "unknown option" "$tool" check --bogus
expect_rc 2 "import with an empty --out" "$tool" import --translation bg --format tsv --out= "$work/in.tsv"
expect_rc 2 "import with a bad format" "$tool" import --translation bg --format csv --out x "$work/in.tsv"
expect_rc 2 "demo without --out" "$tool" demo
for sub in import check show demo; do expect_rc 0 "$sub --help" "$tool" $sub --help; done

((failures == 0)) && echo "all skrybon-tool checks passed"
exit $((failures > 0))
