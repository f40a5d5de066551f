#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# What a blind reader hears: starts a private X display (Xvfb) with the openbox
# window manager, a session bus and the accessibility bus, the Orca screen
# reader with its speech written to a log instead of a sound card, and Skrybon
# on demo data; then presses the keys of a reader's usual steps and prints,
# step by step, what Orca spoke. For a person to rerun; not part of the tests.
#
# Needs (Debian 12): xvfb x11-utils openbox at-spi2-core dbus orca python3-pyatspi xdotool
# Usage: scripts/orca-check.sh [BUILD_DIR]   (default: build-release, else build-test)
# Environment: ORCA_CHECK_DISPLAY (default 98), ORCA_CHECK_KEEP=1 keeps the work folder.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --inside ]]; then
  build=${1:-}
  if [[ -z "$build" ]]; then
    for dir in build-release build-test build; do
      [[ -x "$dir/src/app/skrybon" ]] && build=$dir && break
    done
  fi
  if [[ -z "$build" || ! -x "$build/src/app/skrybon" || ! -x "$build/tools/skrybon-tool" ]]; then
    echo "orca-check: build the program and skrybon-tool first (e.g. scripts/run-demo.sh)" >&2
    exit 2
  fi
  for tool in Xvfb xdpyinfo openbox orca xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "orca-check: $tool is missing" >&2; exit 2; }
  done
  # A private session bus for everything below; it ends with the script.
  exec dbus-run-session -- bash "$0" --inside "$(cd "$build" && pwd)"
fi

build=$2
work=$(mktemp -d /tmp/orca-check.XXXXXX)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [[ "${ORCA_CHECK_KEEP:-}" == 1 ]] && echo "work folder kept: $work" || rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=":${ORCA_CHECK_DISPLAY:-98}"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 NO_AT_BRIDGE=0 GTK_MODULES=gail:atk-bridge
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

start() {  # start NAME COMMAND...: runs in the background, output to the work folder
  local name=$1
  shift
  "$@" >"$work/$name.out" 2>&1 &
  pids+=($!)
}
wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local limit=$(($1 * 10))
  shift
  for ((i = 0; i < limit; i++)); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "orca-check: timed out waiting for: $*" >&2
  return 1
}

start xvfb Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp
wait_for 10 xdpyinfo
start atspi /usr/libexec/at-spi-bus-launcher --launch-immediately
wait_for 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true
start openbox openbox --sm-disable
sleep 1

# Orca starts speech-dispatcher, which hangs without a sound device: run a copy
# of its launcher in which speech is never initialised (every utterance is
# still logged as "SPEECH OUTPUT") and the debug file is written line by line.
sed -e "s/debug.debugFile = open(args.debug_file, 'w')/debug.debugFile = open(args.debug_file, 'w', buffering=1)/" \
  -e 's/^    from orca import orca$/    from orca import orca, speech; speech.init = lambda *a, **k: None/' \
  "$(command -v orca)" >"$work/orca"
grep -q 'speech.init = lambda' "$work/orca" || { echo "orca-check: this Orca's launcher is not the expected one" >&2; exit 2; }
log="$work/orca.log"
start orca /usr/bin/python3 "$work/orca" --debug-file="$log" --user-prefs="$work/orca-prefs"
wait_for 30 grep -q 'SPEECH OUTPUT' "$log"
sleep 2

"$build/tools/skrybon-tool" demo --out "$work/data" >/dev/null
start skrybon "$build/src/app/skrybon" --data "$work/data"
wait_for 30 xdotool search --name '^Skrybon'
sleep 3

mark=0
spoken() {  # the utterances logged since the last call, without the echo of keys
  local size
  size=$(stat -c %s "$log")
  tail -c +"$((mark + 1))" "$log" | head -c "$((size - mark))" | /usr/bin/python3 -c '
import re, sys
text = sys.stdin.read()
# An utterance may run over several lines; the next line then starts with blanks.
for said in re.findall(r"SPEECH OUTPUT: \x27(.*?)\x27 ?\{", re.sub(r"\n[ \t]+", " ", text), re.S):
    if said.strip() and not said.endswith(" "):
        print("  " + said)'
  mark=$size
}
step() {  # step TITLE KEYS...: xdotool key names; "type:TEXT" types TEXT, "wait:S" waits S seconds
  local title=$1
  shift
  spoken >/dev/null
  for k in "$@"; do
    case "$k" in
      type:*) xdotool type --delay 60 -- "${k#type:}" ;;
      wait:*) sleep "${k#wait:}" ;;
      *) xdotool key --delay 120 $k ;;
    esac
    sleep 0.7
  done
  sleep 2.5
  echo "== $title"
  spoken
}

step "Nowe okno Biblii Gdańskiej (Ctrl+G)" ctrl+g
step "Księga i wpisane miejsce (Ctrl+K, \"Jn 3:16\", Enter)" ctrl+k "type:Jn 3:16" Return
step "Następny werset (Down)" Down
step "Kopiowanie (Ctrl+C)" ctrl+c
step "Tryb dołączania (Alt+C, T)" alt+c t
step "Dołączenie (Ctrl+C)" ctrl+c
step "Dialog szukania (Ctrl+Z, \"trawy\")" ctrl+z "type:trawy"
step "Operator 1, wyraz 2, operator 2 (Tab, Tab, Tab)" Tab Tab Tab
step "Lista łącznika 2 (Alt+Down, Down, Escape)" alt+Down Down Escape
step "Szukanie (Enter)" Return wait:10
step "Menu Plik (Alt+P)" alt+p
step "Następne menu (Right)" Right
step "Menu Szukanie (Escape, Alt+S)" Escape alt+s
step "Pierwsze menu (Escape, Escape, F10)" Escape Escape F10
step "O programie (Escape, Alt+P, Left, Up, Enter)" Escape alt+p Left Up Return
step "Zamknięcie okna O programie (Escape)" Escape
