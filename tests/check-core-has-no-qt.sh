#!/bin/sh
# Fails when a core source (outside the ui/ folders) includes a Qt header.
src="$1"
hits=$(cd "$src" && grep -rnE --exclude-dir=ui '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q' \
  app entry astro horary reports wheel reference 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt include in the core:"
  echo "$hits"
  exit 1
fi
echo "core is free of Qt"
