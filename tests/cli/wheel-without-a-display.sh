#!/bin/sh
# quaeryn-cli --wheel in an empty environment (no DISPLAY, no
# WAYLAND_DISPLAY, no XDG folders, no Qt platform chosen): it must write the
# SVG, PNG and PDF files all the same and say nothing.
#   wheel-without-a-display.sh PATH_TO_QUAERYN_CLI
cli="$1"
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
status=0
for f in wheel.svg wheel.png wheel.pdf; do
  if ! env -i HOME="$work" "$cli" --app-dir "$work/app" --name "Lost ring" --date 2001-03-05 --time 10:30 \
      --tz 5 --long 73W58 --lat 40N45 --wheel "$work/$f" > "$work/out" 2> "$work/err"; then
    echo "$f: quaeryn-cli failed:"; cat "$work/err"; status=1; continue
  fi
  if [ -s "$work/out" ] || [ -s "$work/err" ]; then
    echo "$f: unexpected output:"; cat "$work/out" "$work/err"; status=1
  fi
  if [ ! -s "$work/$f" ]; then echo "$f: not written"; status=1; fi
done
head -c 5 "$work/wheel.pdf" | grep -q '%PDF-' || { echo "wheel.pdf is no PDF"; status=1; }
head -c 4 "$work/wheel.png" | grep -q 'PNG' || { echo "wheel.png is no PNG"; status=1; }
grep -q '<svg' "$work/wheel.svg" || { echo "wheel.svg is no SVG"; status=1; }
[ $status -eq 0 ] && echo "quaeryn-cli wrote the wheel in three formats without a display"
exit $status
