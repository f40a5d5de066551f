#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-2.0-or-later" at the top
# of every tracked source file that has none, in the file's comment form (after
# a #! line or an XML declaration). With --check it changes nothing, lists the
# files without the line and exits 1 if there are any.
#   scripts/add-spdx.sh [--check]
set -euo pipefail
cd "$(dirname "$0")/.."
check=false
[[ ${1:-} == --check ]] && check=true
id="SPDX-License-Identifier: GPL-2.0-or-later"
# Outside a git checkout (an unpacked release) there is no list of tracked files.
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout"; exit 77; }

comment_for() {
  case $1 in
    *.cpp | *.h) echo "// $id" ;;
    *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.py | *.desktop | *overrides.in) echo "# $id" ;;
    *.html | *.qrc | *.xml) echo "<!-- $id -->" ;;
    *.1) echo ".\\\" $id" ;;
  esac
}

# The line counts among the first three: after a #! line, an XML declaration
# or a DOCTYPE.
has_line() { head -n 3 "$1" | grep -q 'SPDX-License-Identifier:'; }

missing=()
while IFS= read -r -d '' file; do
  comment=$(comment_for "$file")
  [[ -n $comment && -f $file ]] || continue
  has_line "$file" && continue
  missing+=("$file")
  $check && continue
  first=$(head -n 1 "$file")
  if [[ $first == '#!'* || $first == '<?xml'* ]]; then
    { printf '%s\n%s\n' "$first" "$comment"; tail -n +2 "$file"; } >"$file.spdx"
  else
    { printf '%s\n' "$comment"; cat "$file"; } >"$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
done < <(git ls-files -z -- . ':!:.*')

if $check; then
  ((${#missing[@]} == 0)) && exit 0
  printf 'no SPDX-License-Identifier line: %s\n' "${missing[@]}"
  exit 1
fi
((${#missing[@]} == 0)) || printf 'added the licence line to %d files\n' "${#missing[@]}"
