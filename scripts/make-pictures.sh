#!/usr/bin/env bash
# Redraws docs/roundabout.png and docs/crossroads.png from the examples, the way a user gets
# them: gyrolith-cli export-emf, then emf2svg-conv (emf2svg) and rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
for tool in emf2svg-conv rsvg-convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
cmake --build "$build" --target gyrolith-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in roundabout crossroads; do
  "$build/src/cli/gyrolith-cli" export-emf "examples/$name.crs" -o "$work/$name.emf"
  emf2svg-conv -i "$work/$name.emf" -o "$work/$name.svg"
  rsvg-convert -b white -w 1400 "$work/$name.svg" -o "docs/$name.png"
  echo "docs/$name.png"
done
