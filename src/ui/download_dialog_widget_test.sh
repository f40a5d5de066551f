#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the download dialog's widget test against a small SWORD repository
# served on 127.0.0.1 (never the internet), in a temporary HOME with only
# that source set up.
# Usage: download_dialog_widget_test.sh path/to/widget-test path/to/skrybon-tool
set -u
test_program=$1 tool=$2
tools=$(dirname "$0")/../../tools
source "$tools/test_lib.sh"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
source "$tools/sword_test_repository.sh"
expect_rc 0 "sources --add good" timeout 60 "$tool" sources --add good "http://127.0.0.1:$port/good/"
expect_rc 0 "sources --remove CrossWire" timeout 60 "$tool" sources --remove CrossWire
((failures == 0)) || exit 1
SKRYBON_TEST_SERVER_PID=$server timeout 300 "$test_program"
