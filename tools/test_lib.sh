# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the tool's end-to-end test scripts (sourced): a scratch folder
# $work removed at exit, fail to count a failed check, expect_rc to run a
# command into $work/out and $work/err and check its exit code.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_rc() {  # expected-code description command...
  local want=$1 what=$2; shift 2
  "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  [[ $rc == "$want" ]] || fail "$what: exit code $rc, expected $want ($(head -c 300 "$work/err"))"
}
