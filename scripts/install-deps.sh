#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what building, testing and running need on Debian 12 (as root).
set -euo pipefail
packages=(cmake g++ clang libclang-rt-14-dev ninja-build libgtest-dev libbenchmark-dev libpugixml-dev libsword-dev libsword-utils sword-text-kjv pkg-config qt6-base-dev
          qt6-translations-l10n fonts-dejavu-core xvfb xauth xdotool imagemagick poppler-utils xclip libcups2-dev
          desktop-file-utils appstream dpkg-dev file strace lintian man-db)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
