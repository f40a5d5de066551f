#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian package from the build tree with CPack and checks it as a
# distribution would: lintian must report no error and no warning that the
# package's override file does not explain with a reason, and the installed
# AppStream metainfo must pass `appstreamcli validate` as software centres run
# it (with the network allowed, so that it must not need the network).
# Usage: package_test.sh BUILD_DIR APP_ID      (exit 77: lintian is missing)
set -u
build=$1 id=$2
command -v lintian >/dev/null || { echo "lintian is not installed (scripts/install-deps.sh installs it)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[[ -f ${debs[0]} ]] || { fail "cpack built no package"; exit 1; }
deb=${debs[0]}
dpkg-deb -x "$deb" "$work/root"

# Lintian applies the package's overrides itself; --fail-on makes what is left count.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
  { grep -v 'root privileges' "$work/lintian.log"; fail "lintian"; }
# An override without a comment above it would hide a warning without a reason.
overrides="$work/root/usr/share/lintian/overrides/skrybon"
[[ -f $overrides ]] || fail "no lintian override file"
awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next }
     !reason { print "override without a reason: " $0; bad = 1 } END { exit bad }' "$overrides" ||
  fail "lintian overrides"

appstreamcli validate "$work/root/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "appstreamcli validate"; }

((failures == 0)) && echo "the package passes lintian and appstreamcli"
exit $((failures > 0))
