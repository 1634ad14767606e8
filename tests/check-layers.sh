#!/bin/sh
# The layer rule of the sources, checked on every #include:
#   check-layers.sh SRC "LAYERS" "MAINS"
# LAYERS lists the core folders lowest first (base astro ... app), MAINS the
# thin programs on top of them (cli gui). A folder includes itself and the
# folders below it. Its ui/ folder includes those too, its own ui/ and
# base/ui, but never a sibling's ui/; the ui/ of the top layer assembles the
# windows and may include every ui/. Qt headers belong in ui/ folders and in
# the desktop program's main (gui) only. Prints every violation and fails
# when there is one.
src="$1"
layers="$2"
mains="$3"
if [ ! -d "$src" ] || [ -z "$layers" ]; then
  echo "usage: check-layers.sh SRC \"LAYERS\" \"MAINS\"" >&2
  exit 2
fi
cd "$src" || exit 2
found=$(find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's#^\./##' | sort)
if [ -z "$found" ]; then
  echo "no sources under $src" >&2
  exit 2
fi
# shellcheck disable=SC2086
grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' $found /dev/null |
awk -v layers="$layers" -v mains="$mains" '
BEGIN {
  n = split(layers, L, " ")
  for (i = 1; i <= n; i++) rank[L[i]] = i
  top = L[n]
  m = split(mains, M, " ")
  for (i = 1; i <= m; i++) main[M[i]] = 1
  bad = 0
}
{
  # file:line:#include <...> or "..."
  split($0, part, ":")
  file = part[1]; line = part[2]
  text = substr($0, length(file) + length(line) + 3)
  target = text
  sub(/^[^<"]*[<"]/, "", target)
  sub(/[>"].*$/, "", target)
  nf = split(file, f, "/")
  from = f[1]
  fromUi = (nf > 2 && f[2] == "ui")
  nt = split(target, t, "/")
  to = t[1]
  toUi = (nt > 2 && t[2] == "ui")

  if (!(from in rank) && !(from in main)) {
    printf "%s:%s: %s is in no layer\n", file, line, from; bad = 1; next
  }
  # Qt stays in the ui folders and the desktop main.
  if (target ~ /^Q/ && !fromUi && from != "gui") {
    printf "%s:%s: Qt outside a ui folder: %s\n", file, line, target; bad = 1; next
  }
  if (!(to in rank) && !(to in main)) next          # not a project header
  if (to in main) {
    if (to != from) { printf "%s:%s: includes the program %s: %s\n", file, line, to, target; bad = 1 }
    next
  }
  if (from in main) {
    if (toUi && from != "gui") { printf "%s:%s: a window in a program without windows: %s\n", file, line, target; bad = 1 }
    next
  }
  if (rank[to] > rank[from]) {
    printf "%s:%s: %s includes upward into %s: %s\n", file, line, from, to, target; bad = 1; next
  }
  if (toUi) {
    if (!fromUi) {
      printf "%s:%s: the core includes a window: %s\n", file, line, target; bad = 1
    } else if (to != from && to != L[1] && from != top) {
      printf "%s:%s: %s/ui includes the sibling %s/ui: %s\n", file, line, from, to, target; bad = 1
    }
  }
}
END { exit bad }
'
status=$?
if [ $status -ne 0 ]; then
  echo "the layer rule is broken (see above)"
  exit 1
fi
echo "every include keeps to the layers"
